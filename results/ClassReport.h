// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "results/ReportRequest.h"
#include "results/ResultsLogFormat.h"
#include "tasks/TaskTable.h"

#include <QDate>
#include <QList>
#include <QString>

#include <array>
#include <optional>
#include <span>

namespace orbeta::results {

// Right answers of some series: correct of correct + wrong.
struct AnswerShare {
    int correct = 0;
    int answered = 0;

    void add(int right, int wrong) { correct += right; answered += right + wrong; }
    bool any() const { return answered > 0; }
    bool underHalf() const { return any() && 2 * correct < answered; }
    // 0 to 100, rounded; only when any().
    int percent() const;
};

// One finished series as the report counts it.
struct ReportSeries {
    QDate date;
    int task = 0;    // index into ClassReport::tasks
    int mark = 0;    // 1 to 5; 0 for none or one the mark table does not give
    int correct = 0;
    int wrong = 0;
};

// A pupil's work on one task (or, by topic, one topic) of the table.
struct ReportCell {
    int series = 0;
    int lastMark = 0; // of the latest series, 0 for none
    AnswerShare share;
};

struct TopicShare {
    int topic = 0; // 1 .. 6
    AnswerShare share;
};

struct PupilReport {
    QString name;                // the spelling met most often
    QList<ReportSeries> series;  // oldest first
    QList<ReportCell> tasks;     // one per ClassReport::tasks
    QList<TopicShare> topics;    // the topics practised, in table order
    QList<const TaskRow*> untried;
    std::optional<QDate> lastPractice;

    int examples() const;
};

struct WeekShare {
    QDate monday;
    AnswerShare share;
};

struct TaskReport {
    const TaskRow* task = nullptr;
    int series = 0;
    AnswerShare share;
    std::array<int, 6> marks{}; // series per mark 1 .. 5; [0]: without a mark
    QList<WeekShare> weeks;     // weeks with a series, oldest first
    QStringList untriedBy;      // pupils of the report without a series of it
};

// A pupil who may need help, and why, written out.
struct HelpNote {
    QString pupil;
    QString reason;
};

// What a class practised in a period, computed from the results log and the
// task table: who practised what, how well, how it changed, and who may need
// help. A series belongs to the task whose topic and title the log names;
// pupils are one when their names match after trimming and ignoring case.
class ClassReport {
public:
    static ClassReport make(const ResultsLogContents& log, std::span<const TaskRow> table,
                            const ReportRequest& request);

    QDate from;
    QDate to;
    QList<const TaskRow*> tasks;  // the columns, in table order
    QList<PupilReport> pupils;    // in alphabetical order
    QList<TaskReport> taskReports; // one per task
    QList<HelpNote> help;
    QList<SkippedLines> skipped;  // damaged lines of the log
    int unknownTaskSeries = 0;    // series of the period whose topic and title no task has
    int outsideListSeries = 0;    // series of the period by pupils left out by the class list or --pupil

    int seriesCount() const;
    int exampleCount() const;
    bool empty() const { return seriesCount() == 0; }

    // The same pupil whatever the blanks around the name and the letter case;
    // diacritics count.
    static QString nameKey(const QString& name);
    // A log's mark as 1 .. 5, 0 for none.
    static int markOf(const QString& mark);
};

} // namespace orbeta::results
