// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <cstdint>
#include <span>

namespace orbeta {

// The four task forms a series or a worksheet runs on.
enum class TaskFormKind {
    Mech1,   // frm_Mech1: the calculation tasks
    Zobr,    // frm_Zobr: ray constructions
    Dvojice, // frm_Dvojice: pairs of historical facts
    Osa,     // frm_Osa: the timelines
};

// The bubble of the hint window a task shows its hints in.
enum class HintBubble {
    OneLine,       // Hint01: one line of text
    TwoLines,      // Hint02: two lines of text
    Picture,       // Hint03: the picture box, text hidden
    OpticsPicture, // Hint03 with the picture box widened for the ray constructions
    Discovery,     // Hint04: a long line (discoveries and inventions)
    Person,        // Hint05: a name
    Pair,          // Hint06: the other half of a pair
};

// The setup screen, the counts offered and several pictures differ only
// between the physics topics 1 to 5 and the history topic 6.
enum class TopicGroup { Physics, History };

// How a task's examples sit on the A4 pages of its worksheet, in millimetres.
struct SheetLayout {
    std::array<std::uint8_t, 5> pages; // pages for count button 1 .. 5
    int slotsPerPage;
    int slotStep;   // top of slot k (from 1) = slotStep × k + slotOffset
    int slotOffset;
    int itemsPerSlot; // examples (history: items) one slot holds
};

// A symbol of the worksheet's legend (in Sigla code points) and its description.
struct LegendRow {
    const char* symbol = nullptr;
    const char* text = nullptr;
};

// The texts at the top of every page of a task's worksheet.
struct SheetTexts {
    const char* topic;
    const char* title;
    const char* assignment; // "" for none
    std::array<LegendRow, 6> legend{}; // rows from the first without a symbol are unused
};

// One task type and everything that belongs to it. Texts are UTF-8.
struct TaskRow {
    const char* code;         // "1a" .. "6c": menu, data files, rankings, command line
    int topic;                // 1 .. 6
    int item;                 // 1 .. 5, the position of its button in the menu
    const char* title;        // the title as the results log stores it (readers match it)
    const char* shownTitle;   // the title the screens, pictures and reports show
    TaskFormKind form;
    HintBubble hint;
    const char* tableFile;    // the task's own data table, checked at start; "" for none
    const char* mapFile;      // a second data file read when the task is loaded; "" for none
    int tableRows;            // rows of the task's table on the form, 0 for none
    TopicGroup group;
    SheetLayout sheet;
    SheetTexts sheetTexts;
};

// The one table of the 21 task types in six topics. Every list of task codes,
// titles, forms or files in the program derives from it.
class TaskTable {
public:
    static constexpr int kTopicCount = 6;
    static constexpr int kMaxTasksPerTopic = 5;
    static constexpr int kCountButtons = 5;

    static std::span<const TaskRow> rows();
    // The row of a code, null outside the table.
    static const TaskRow* find(QStringView code);
    static const TaskRow* find(int topic, int item);

    static QString code(const TaskRow& row) { return QString::fromLatin1(row.code); }
    static QString title(const TaskRow& row) { return QString::fromUtf8(row.title); }
    // What a teacher and a pupil read: the menu and setup pictures, the
    // accessible names, the class report ("Časová os – objavy a vynálezy").
    static QString shownTitle(const TaskRow& row) { return QString::fromUtf8(row.shownTitle); }

    // "Mechanika 1" .. "Historie" as the results log stores the topic; empty outside 1 .. 6.
    static QString topicName(int topic);
    // The same as shown, in Slovak ("História").
    static QString shownTopicName(int topic);
    static int taskCount(int topic);

    // The codes in table order, and the same written short for messages:
    // "1a-1d, 2a-2e, 3a, 3b, 4a, 4b, 5a-5e, 6a-6c".
    static QStringList codes();
    static QString codeRanges();
    // The data tables that every installation must hold, in table order.
    static QStringList tableFiles();

    // The group of a code; a code outside the table (the "0" of no choice) is physics.
    static TopicGroup groupOf(QStringView code);
    // The counts the five count buttons set.
    static std::array<std::uint8_t, kCountButtons> countsOffered(TopicGroup group);
};

} // namespace orbeta
