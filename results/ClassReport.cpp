// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/ClassReport.h"

#include <QCollator>
#include <QHash>
#include <QSet>

#include <algorithm>

namespace orbeta::results {
namespace {

QString taskKey(const QString& topic, const QString& title)
{
    return topic.simplified() + QChar(0x1f) + title.simplified();
}

// The spellings of one pupil's name, to show the one met most often.
struct Spellings {
    QList<QString> order; // first met first, which wins a tie
    QHash<QString, int> counts;

    void add(const QString& spelling, int times = 1)
    {
        const QString shown = spelling.simplified();
        if (!counts.contains(shown))
            order.append(shown);
        counts[shown] += times;
    }
    QString mostOften() const
    {
        QString best;
        int most = 0;
        for (const QString& s : order)
            if (counts.value(s) > most) {
                best = s;
                most = counts.value(s);
            }
        return best;
    }
};

QDate mondayOf(const QDate& date)
{
    return date.addDays(1 - date.dayOfWeek());
}

QString marksText(const QList<int>& marks)
{
    QStringList texts;
    for (int m : marks)
        texts.append(QString::number(m));
    return texts.join(QStringLiteral(", "));
}

// Whose share right in a topic is under half, or whose marks got worse over
// the last three marked series of a task.
QList<HelpNote> helpNotes(const ClassReport& report)
{
    QList<HelpNote> notes;
    for (const PupilReport& pupil : report.pupils) {
        for (const TopicShare& topic : pupil.topics)
            if (topic.share.underHalf())
                notes.append({pupil.name, QStringLiteral("%1: správne len %2 % odpovedí (%3 z %4)")
                                              .arg(TaskTable::topicName(topic.topic))
                                              .arg(topic.share.percent())
                                              .arg(topic.share.correct)
                                              .arg(topic.share.answered)});
        for (qsizetype t = 0; t < report.tasks.size(); ++t) {
            QList<int> marks;
            for (const ReportSeries& s : pupil.series)
                if (s.task == t && s.mark > 0)
                    marks.append(s.mark);
            if (marks.size() < 3)
                continue;
            const QList<int> lastThree = marks.mid(marks.size() - 3);
            if (lastThree[0] <= lastThree[1] && lastThree[1] <= lastThree[2] && lastThree[0] < lastThree[2])
                notes.append({pupil.name, QStringLiteral("%1: známky sa zhoršili v posledných troch sériách (%2)")
                                              .arg(TaskTable::title(*report.tasks[t]), marksText(lastThree))});
        }
    }
    return notes;
}

} // namespace

int AnswerShare::percent() const
{
    return answered > 0 ? int(qint64(correct) * 100 / answered) : 0;
}

int PupilReport::examples() const
{
    int sum = 0;
    for (const ReportSeries& s : series)
        sum += s.correct + s.wrong;
    return sum;
}

int ClassReport::seriesCount() const
{
    int sum = 0;
    for (const PupilReport& p : pupils)
        sum += int(p.series.size());
    return sum;
}

int ClassReport::exampleCount() const
{
    int sum = 0;
    for (const PupilReport& p : pupils)
        sum += p.examples();
    return sum;
}

QString ClassReport::nameKey(const QString& name)
{
    return name.simplified().normalized(QString::NormalizationForm_C).toCaseFolded();
}

int ClassReport::markOf(const QString& mark)
{
    bool ok = false;
    const int value = mark.trimmed().toInt(&ok);
    return ok && value >= 1 && value <= 5 ? value : 0;
}

ClassReport ClassReport::make(const ResultsLogContents& log, std::span<const TaskRow> table, const ReportRequest& request)
{
    ClassReport report;
    report.skipped = log.skipped;

    QHash<QString, int> taskOf; // index into the table
    for (std::size_t i = 0; i < table.size(); ++i)
        taskOf.insert(taskKey(TaskTable::topicName(table[i].topic), TaskTable::title(table[i])), int(i));
    QList<bool> chosen(qsizetype(table.size()), request.tasks.isEmpty());
    for (const TaskRow* task : request.tasks)
        for (std::size_t i = 0; i < table.size(); ++i)
            if (&table[i] == task)
                chosen[qsizetype(i)] = true;

    // The period: open ends reach the first series and today (or a later
    // series, so that a wrong clock hides nothing).
    QDate first;
    QDate last;
    for (const ResultsLogEntry& e : log.entries) {
        if (!first.isValid() || e.date < first)
            first = e.date;
        if (!last.isValid() || e.date > last)
            last = e.date;
    }
    report.from = request.from.value_or(first.isValid() ? std::min(first, request.today) : request.today);
    report.to = request.to.value_or(last.isValid() ? std::max(last, request.today) : request.today);

    // Every spelling counts, the class list's too.
    QHash<QString, Spellings> spellings;
    QStringList listed;
    if (request.classList) {
        for (const QString& name : *request.classList) {
            const QString key = nameKey(name);
            if (key.isEmpty())
                continue;
            if (!spellings.contains(key))
                listed.append(key);
            spellings[key].add(name);
        }
    }
    struct Found {
        const ResultsLogEntry* entry;
        QString key;
        int task;
    };
    QList<Found> period;
    // A class writes few names and titles many times: each is looked at once.
    QHash<QString, QString> keyOf;
    QHash<QString, int> nameCount;
    QStringList namesMet;
    QHash<QString, int> taskOfText;
    for (const ResultsLogEntry& e : log.entries) {
        auto key = keyOf.constFind(e.name);
        if (key == keyOf.cend()) {
            key = keyOf.insert(e.name, nameKey(e.name));
            namesMet.append(e.name);
        }
        ++nameCount[e.name];
        if (e.date < report.from || e.date > report.to)
            continue;
        const QString text = e.topic + QChar(0x1f) + e.taskTitle;
        auto task = taskOfText.constFind(text);
        if (task == taskOfText.cend())
            task = taskOfText.insert(text, taskOf.value(taskKey(e.topic, e.taskTitle), -1));
        if (*task < 0)
            ++report.unknownTaskSeries;
        else if (chosen[*task])
            period.append({&e, *key, *task});
    }
    for (const QString& name : namesMet)
        spellings[keyOf.value(name)].add(name, nameCount.value(name));

    // Who the report covers: the class list, or every pupil of the period;
    // with names asked for, only those.
    QStringList covered = listed;
    if (!request.classList) {
        QSet<QString> met;
        for (const Found& f : period)
            if (!met.contains(f.key)) {
                met.insert(f.key);
                covered.append(f.key);
            }
    }
    if (!request.pupils.isEmpty()) {
        const QSet<QString> inList(covered.begin(), covered.end());
        QStringList asked;
        for (const QString& name : request.pupils) {
            const QString key = nameKey(name);
            if (asked.contains(key) || (request.classList && !inList.contains(key)))
                continue;
            asked.append(key);
            if (!spellings.contains(key))
                spellings[key].add(name);
        }
        covered = asked;
    }
    QHash<QString, int> pupilOf;
    for (const QString& key : covered) {
        pupilOf.insert(key, int(report.pupils.size()));
        PupilReport pupil;
        pupil.name = spellings.value(key).mostOften();
        // A series saved before a name was typed.
        if (pupil.name.isEmpty())
            pupil.name = QStringLiteral("(bez mena)");
        report.pupils.append(pupil);
    }

    // The series of each pupil, oldest first (the log's order within a minute).
    // Minutes since the start of the calendar, which sort as the series ended.
    QList<QList<std::pair<qint64, const Found*>>> seriesOf(report.pupils.size());
    QList<bool> practised(qsizetype(table.size()), false);
    for (const Found& f : period) {
        const auto pupil = pupilOf.constFind(f.key);
        if (pupil == pupilOf.cend()) {
            ++report.outsideListSeries;
            continue;
        }
        seriesOf[*pupil].append({f.entry->date.toJulianDay() * 1440 + f.entry->time.msecsSinceStartOfDay() / 60000, &f});
        practised[f.task] = true;
    }

    // The columns: the tasks asked for, or every task practised, in table order.
    QList<int> columnOf(qsizetype(table.size()), -1);
    for (std::size_t i = 0; i < table.size(); ++i)
        if (request.tasks.isEmpty() ? practised[qsizetype(i)] : chosen[qsizetype(i)]) {
            columnOf[qsizetype(i)] = int(report.tasks.size());
            report.tasks.append(&table[i]);
            TaskReport task;
            task.task = &table[i];
            report.taskReports.append(task);
        }

    for (qsizetype p = 0; p < report.pupils.size(); ++p) {
        PupilReport& pupil = report.pupils[p];
        auto& found = seriesOf[p];
        std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        pupil.tasks.resize(report.tasks.size());
        std::array<AnswerShare, TaskTable::kTopicCount + 1> topics{};
        std::array<bool, TaskTable::kTopicCount + 1> topicSeen{};
        for (const auto& [when, f] : found) {
            const ResultsLogEntry& e = *f->entry;
            const int column = columnOf[f->task];
            const ReportSeries series{e.date, column, markOf(e.mark), e.correct, e.wrong};
            pupil.series.append(series);
            pupil.lastPractice = e.date;
            ReportCell& cell = pupil.tasks[column];
            ++cell.series;
            cell.lastMark = series.mark;
            cell.share.add(e.correct, e.wrong);
            const auto topic = std::size_t(std::clamp(report.tasks[column]->topic, 1, TaskTable::kTopicCount));
            topics[topic].add(e.correct, e.wrong);
            topicSeen[topic] = true;

            TaskReport& task = report.taskReports[column];
            ++task.series;
            task.share.add(e.correct, e.wrong);
            ++task.marks[std::size_t(series.mark)];
            const QDate monday = mondayOf(e.date);
            auto week = std::find_if(task.weeks.begin(), task.weeks.end(),
                                     [&](const WeekShare& w) { return w.monday == monday; });
            if (week == task.weeks.end())
                week = task.weeks.insert(task.weeks.end(), WeekShare{monday, {}});
            week->share.add(e.correct, e.wrong);
        }
        for (int topic = 1; topic <= TaskTable::kTopicCount; ++topic)
            if (topicSeen[std::size_t(topic)])
                pupil.topics.append({topic, topics[std::size_t(topic)]});
        for (qsizetype t = 0; t < report.tasks.size(); ++t)
            if (pupil.tasks[t].series == 0) {
                pupil.untried.append(report.tasks[t]);
                report.taskReports[t].untriedBy.append(pupil.name);
            }
    }
    for (TaskReport& task : report.taskReports)
        std::sort(task.weeks.begin(), task.weeks.end(),
                  [](const WeekShare& a, const WeekShare& b) { return a.monday < b.monday; });

    // Without a class list, the pupils in alphabetical order (Slovak).
    if (!request.classList) {
        QCollator collator{QLocale(QLocale::Slovak, QLocale::Slovakia)};
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        std::stable_sort(report.pupils.begin(), report.pupils.end(),
                         [&](const PupilReport& a, const PupilReport& b) { return collator.compare(a.name, b.name) < 0; });
        for (TaskReport& task : report.taskReports)
            std::stable_sort(task.untriedBy.begin(), task.untriedBy.end(),
                             [&](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
    }
    report.help = helpNotes(report);
    return report;
}

} // namespace orbeta::results
