#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace orbeta {

// One task type of the catalogue.
struct TaskEntry {
    QString code;  // "1a" .. "6c"
    int topic = 0; // 1 .. 6, the first character of the code
    int item = 0;  // 1 .. 5, the position of its button in the menu
    QString title; // TaskTitle
};

// The 21 task types in six topics, and the menu pictures named after them.
class TaskCatalogue {
public:
    static constexpr int TopicCount = 6;
    static constexpr int MaxTasksPerTopic = 5;

    static const std::vector<TaskEntry>& entries();
    // "Mechanika 1" .. "Historie"; empty outside 1 .. 6.
    static QString topicName(int topic);
    static int taskCount(int topic);
    static std::optional<TaskEntry> find(int topic, int item);
    static std::optional<TaskEntry> find(const QString& code);

    // "Bitmap\Select\l_01_0.bmp" (normal) / "_1.bmp" (highlighted).
    static QString topicPicture(int topic, bool highlighted);
    // "Bitmap\Select\r_01a_0.bmp" normal, "_1" highlighted, "_2" chosen.
    enum class Look { Normal = 0, Highlighted = 1, Chosen = 2 };
    static QString taskPicture(const TaskEntry& task, Look look);
};

} // namespace orbeta
