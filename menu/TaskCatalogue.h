#pragma once

#include <QString>

namespace orbeta {

// The menu pictures named after the topics and tasks.
class TaskCatalogue {
public:
    // "Bitmap\Select\l_01_0.bmp" (normal) / "_1.bmp" (highlighted).
    static QString topicPicture(int topic, bool highlighted);
    // "Bitmap\Select\r_01a_0.bmp" normal, "_1" highlighted, "_2" chosen.
    enum class Look { Normal = 0, Highlighted = 1, Chosen = 2 };
    static QString taskPicture(const QString& taskCode, Look look);
};

} // namespace orbeta
