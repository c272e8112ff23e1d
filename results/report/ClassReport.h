// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "results/log/ResultsLogFormat.h"
#include "results/report/ReportRequest.h"
#include "tasks/TaskTable.h"

#include <QDate>
#include <QList>
#include <QString>

#include <array>
#include <optional>
#include <span>

namespace orbeta::results {

// Right answers of some series: correct of correct + wrong. 64 bits, so
// that no sum of a log the readers accept can overflow.
struct AnswerShare {
    qint64 correct = 0;
    qint64 answered = 0;

    void add(qint64 right, qint64 wrong) { correct += right; answered += right + wrong; }
    void operator+=(const AnswerShare& other) { correct += other.correct; answered += other.answered; }
    bool any() const { return answered > 0; }
    bool underHalf() const { return any() && 2 * correct < answered; }
    // 0 to 100, rounded half up (39.7 % is 40); only when any().
    int percent() const;
};

// The mean of some marks.
struct MarkMean {
    qint64 sum = 0;
    qint64 count = 0;

    void add(int mark) { if (mark > 0) { sum += mark; ++count; } }
    void operator+=(const MarkMean& other) { sum += other.sum; count += other.count; }
    bool any() const { return count > 0; }
    double value() const { return count > 0 ? double(sum) / double(count) : 0; }
    // "2,4": one decimal, a Slovak comma.
    QString text() const;
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
    AnswerShare share;           // over every series
    MarkMean marks;              // of the marked series
    int otherSeries = 0;         // series of the period of tasks the report leaves out

    qint64 examples() const;
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

// A pupil who may need help (or who improved), and why, written out.
struct HelpNote {
    QString pupil;
    QString reason;
};

// Series of the period whose topic and title no task of the table has.
struct UnknownTask {
    QString topic;
    QString title;
    QList<int> lines; // where each series begins in the log
};

// A name of the log that no pupil of the class list matches, with its series
// of the period: a misspelling shows as such.
struct NameOffList {
    QString name;
    int series = 0;
};

// What a class practised in a period, computed from the results log and the
// task table: who practised what, how well, how it changed, who may need
// help and who improved. A series belongs to the task whose topic and title
// the log names; pupils are one when their names match after trimming and
// ignoring case, or when a line of the class list gives both spellings
// ("Ľubomír Tóth = Lubomir Toth").
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
    QList<HelpNote> improved;     // who improved most, most first
    QList<SkippedLines> skipped;  // damaged lines of the log
    QList<UnknownTask> unknownTasks; // of the pupils the report covers (all without a list)
    QList<NameOffList> offList;   // with a class list: the other names of the period
    QStringList pupilsNotFound;   // names asked for that no series of the log has
    QStringList pupilsNotListed;  // names asked for that the log has but the class list lacks

    int seriesCount() const;
    qint64 exampleCount() const;
    int unknownTaskSeries() const;
    int outsideListSeries() const;
    bool empty() const { return seriesCount() == 0; }
    // The class as one row: share right and mean mark over every series.
    AnswerShare share() const;
    MarkMean marks() const;
    // The latest day a pupil of the report practised.
    std::optional<QDate> lastPractice() const;

    // The same pupil whatever the blanks around the name and the letter case;
    // diacritics count.
    static QString nameKey(const QString& name);
    // A log's mark as 1 .. 5, 0 for none.
    static int markOf(const QString& mark);
    // The spellings a line of a class list gives one pupil, the first shown:
    // "Ľubomír Tóth = Lubomir Toth = Lubo Toth".
    static QStringList spellingsOf(const QString& classListLine);

    // Without practice for this many days while the class went on, a pupil
    // is named as having stopped.
    static constexpr int kStoppedDays = 14;
};

} // namespace orbeta::results
