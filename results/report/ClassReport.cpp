// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/report/ClassReport.h"

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

QString dayText(const QDate& date)
{
    return date.toString(QStringLiteral("d.M."));
}

// The mean marks of the earlier and the later half of a pupil's marked
// series, and how many tasks the later half spans; none under six marks.
struct Halves {
    MarkMean earlier;
    MarkMean later;
    int laterTasks = 0;
};

std::optional<Halves> halvesOf(const PupilReport& pupil)
{
    QList<const ReportSeries*> marked;
    for (const ReportSeries& s : pupil.series)
        if (s.mark > 0)
            marked.append(&s);
    if (marked.size() < 6)
        return std::nullopt;
    Halves halves;
    QSet<int> tasks;
    const qsizetype middle = marked.size() / 2;
    for (qsizetype i = 0; i < marked.size(); ++i) {
        if (i < middle) {
            halves.earlier.add(marked[i]->mark);
        } else {
            halves.later.add(marked[i]->mark);
            tasks.insert(marked[i]->task);
        }
    }
    halves.laterTasks = int(tasks.size());
    return halves;
}

QString meansText(const Halves& h)
{
    return QStringLiteral("priemer %1 → %2").arg(h.earlier.text(), h.later.text());
}

// Whose share right in a topic is under half, whose marks got worse over
// the last three marked series of a task or over several tasks, and who
// stopped practising while the class went on.
QList<HelpNote> helpNotes(const ClassReport& report)
{
    QList<HelpNote> notes;
    const std::optional<QDate> classLast = report.lastPractice();
    for (const PupilReport& pupil : report.pupils) {
        if (pupil.lastPractice && pupil.lastPractice->daysTo(*classLast) >= ClassReport::kStoppedDays)
            notes.append({pupil.name, QStringLiteral("necvičil(a) od %1").arg(dayText(*pupil.lastPractice))});
        for (const TopicShare& topic : pupil.topics)
            if (topic.share.underHalf())
                notes.append({pupil.name, QStringLiteral("%1: správne len %2 % odpovedí (%3 z %4)")
                                              .arg(TaskTable::shownTopicName(topic.topic))
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
                                              .arg(TaskTable::shownTitle(*report.tasks[t]), marksText(lastThree))});
        }
        // A decline no single task shows: a mark worse over the later half.
        if (const auto halves = halvesOf(pupil);
            halves && halves->laterTasks >= 2 && halves->later.value() - halves->earlier.value() >= 1)
            notes.append({pupil.name, QStringLiteral("známky sa zhoršili vo viacerých úlohách (%1)").arg(meansText(*halves))});
    }
    return notes;
}

// Whose mean mark got better by at least three quarters of a mark from the
// earlier to the later half of their series, most first; at most five.
QList<HelpNote> improvedMost(const ClassReport& report)
{
    QList<std::pair<double, HelpNote>> found;
    for (const PupilReport& pupil : report.pupils)
        if (const auto halves = halvesOf(pupil); halves && halves->earlier.value() - halves->later.value() >= 0.75)
            found.append({halves->earlier.value() - halves->later.value(),
                          HelpNote{pupil.name, QStringLiteral("známky sa zlepšili (%1)").arg(meansText(*halves))}});
    std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    QList<HelpNote> notes;
    for (qsizetype i = 0; i < found.size() && i < 5; ++i)
        notes.append(found[i].second);
    return notes;
}

// One part of every pupil's report, added up.
template <typename Part>
Part sumOverPupils(const QList<PupilReport>& pupils, Part PupilReport::*part)
{
    Part sum;
    for (const PupilReport& p : pupils)
        sum += p.*part;
    return sum;
}

} // namespace

int AnswerShare::percent() const
{
    return answered > 0 ? int((correct * 200 + answered) / (answered * 2)) : 0;
}

QString MarkMean::text() const
{
    return QString::number(value(), 'f', 1).replace(QLatin1Char('.'), QLatin1Char(','));
}

qint64 PupilReport::examples() const
{
    return share.answered;
}

int ClassReport::seriesCount() const
{
    int sum = 0;
    for (const PupilReport& p : pupils)
        sum += int(p.series.size());
    return sum;
}

qint64 ClassReport::exampleCount() const
{
    return share().answered;
}

int ClassReport::unknownTaskSeries() const
{
    int sum = 0;
    for (const UnknownTask& u : unknownTasks)
        sum += int(u.lines.size());
    return sum;
}

int ClassReport::outsideListSeries() const
{
    int sum = 0;
    for (const NameOffList& n : offList)
        sum += n.series;
    return sum;
}

AnswerShare ClassReport::share() const
{
    return sumOverPupils(pupils, &PupilReport::share);
}

MarkMean ClassReport::marks() const
{
    return sumOverPupils(pupils, &PupilReport::marks);
}

std::optional<QDate> ClassReport::lastPractice() const
{
    std::optional<QDate> last;
    for (const PupilReport& p : pupils)
        if (p.lastPractice && (!last || *p.lastPractice > *last))
            last = p.lastPractice;
    return last;
}

QStringList ClassReport::spellingsOf(const QString& classListLine)
{
    QStringList spellings;
    for (const QString& part : classListLine.split(QLatin1Char('=')))
        if (!part.trimmed().isEmpty())
            spellings.append(part.trimmed());
    return spellings;
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

    // Every spelling counts, the class list's too; the other spellings a
    // list line gives are the same pupil as its first.
    QHash<QString, Spellings> spellings;
    QHash<QString, QString> aliasOf;
    QStringList listed;
    if (request.classList) {
        for (const QString& line : *request.classList) {
            const QStringList names = spellingsOf(line);
            const QString key = names.isEmpty() ? QString() : nameKey(names.front());
            if (key.isEmpty())
                continue;
            if (!spellings.contains(key))
                listed.append(key);
            spellings[key].add(names.front());
            for (const QString& other : names.mid(1))
                if (nameKey(other) != key)
                    aliasOf.insert(nameKey(other), key);
        }
    }
    struct Found {
        const ResultsLogEntry* entry;
        QString key;
        int task; // -1 for a task no table row has
    };
    QList<Found> period;
    // A class writes few names and titles many times: each is looked at once.
    QHash<QString, QString> keyOf;
    QHash<QString, int> nameCount;
    QStringList namesMet;
    QSet<QString> metKeys;
    QHash<QString, int> taskOfText;
    for (const ResultsLogEntry& e : log.entries) {
        auto key = keyOf.constFind(e.name);
        if (key == keyOf.cend()) {
            key = keyOf.insert(e.name, nameKey(e.name));
            namesMet.append(e.name);
            metKeys.insert(aliasOf.value(*key, *key));
        }
        ++nameCount[e.name];
        if (e.date < report.from || e.date > report.to)
            continue;
        const QString text = e.topic + QChar(0x1f) + e.taskTitle;
        auto task = taskOfText.constFind(text);
        if (task == taskOfText.cend())
            task = taskOfText.insert(text, taskOf.value(taskKey(e.topic, e.taskTitle), -1));
        period.append({&e, aliasOf.value(*key, *key), *task});
    }
    for (const QString& name : namesMet)
        spellings[keyOf.value(name)].add(name, nameCount.value(name));

    // Who the report covers: the class list, or every pupil of the period;
    // with names asked for, only those the log (and the list) has.
    QStringList covered = listed;
    if (!request.classList) {
        QSet<QString> met;
        for (const Found& f : period)
            if (f.task >= 0 && chosen[f.task] && !met.contains(f.key)) {
                met.insert(f.key);
                covered.append(f.key);
            }
    }
    if (!request.pupils.isEmpty()) {
        const QSet<QString> inList(covered.begin(), covered.end());
        QStringList asked;
        for (const QString& name : request.pupils) {
            const QString raw = nameKey(name);
            const QString key = aliasOf.value(raw, raw);
            if (asked.contains(key))
                continue;
            if (request.classList && !inList.contains(key)) {
                (metKeys.contains(key) ? report.pupilsNotListed : report.pupilsNotFound).append(name);
                continue;
            }
            if (!request.classList && !metKeys.contains(key)) {
                report.pupilsNotFound.append(name);
                continue;
            }
            asked.append(key);
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
    // Series of others are named only beside a class list, which they miss;
    // a report on pupils asked for by name counts no classmates.
    const bool nameOthers = request.classList && request.pupils.isEmpty();
    const bool everyone = !request.classList && request.pupils.isEmpty();
    QHash<QString, int> offListSeries;
    QStringList offListOrder;
    for (const Found& f : period) {
        const auto pupil = pupilOf.constFind(f.key);
        if (f.task < 0) {
            if (pupil == pupilOf.cend() && !everyone)
                continue;
            const ResultsLogEntry& e = *f.entry;
            auto unknown = std::find_if(report.unknownTasks.begin(), report.unknownTasks.end(), [&](const UnknownTask& u) {
                return u.topic == e.topic && u.title == e.taskTitle;
            });
            if (unknown == report.unknownTasks.end())
                unknown = report.unknownTasks.insert(report.unknownTasks.end(), UnknownTask{e.topic, e.taskTitle, {}});
            unknown->lines.append(e.line);
            continue;
        }
        if (pupil == pupilOf.cend()) {
            if (nameOthers && chosen[f.task]) {
                if (!offListSeries.contains(f.key))
                    offListOrder.append(f.key);
                ++offListSeries[f.key];
            }
            continue;
        }
        if (!chosen[f.task]) {
            ++report.pupils[*pupil].otherSeries;
            continue;
        }
        seriesOf[*pupil].append({f.entry->date.toJulianDay() * 1440 + f.entry->time.msecsSinceStartOfDay() / 60000, &f});
        practised[f.task] = true;
    }
    for (const QString& key : offListOrder)
        report.offList.append({spellings.value(key).mostOften(), offListSeries.value(key)});

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
            pupil.share.add(e.correct, e.wrong);
            pupil.marks.add(series.mark);
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
    QCollator collator{QLocale(QLocale::Slovak, QLocale::Slovakia)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(report.offList.begin(), report.offList.end(),
                     [&](const NameOffList& a, const NameOffList& b) { return collator.compare(a.name, b.name) < 0; });
    report.help = helpNotes(report);
    report.improved = improvedMost(report);
    return report;
}

} // namespace orbeta::results
