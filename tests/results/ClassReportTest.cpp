// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The class report's rules on a log written by the program's own writer.
#include "results/data/ResultsLog.h"
#include "results/report/ClassReport.h"
#include "tests/results/MadeUpClass.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

using namespace orbeta;
using namespace orbeta::results;
using namespace orbeta::test_support;

namespace {

const QDate kFrom(2026, 9, 1);
const QDate kTo(2026, 9, 30);

ResultsLogContents madeUpLog()
{
    QTemporaryDir dir;
    EXPECT_TRUE(writeMadeUpLog(dir.path()));
    const auto read = ResultsLog(dir.path()).read();
    EXPECT_TRUE(read.ok());
    return read.ok() ? read.value() : ResultsLogContents{};
}

ReportRequest september()
{
    ReportRequest request;
    request.from = kFrom;
    request.to = kTo;
    request.today = QDate(2026, 10, 1);
    return request;
}

// Counted straight from the made-up series: per pupil (lower case, trimmed) and task code.
struct Expected {
    int series = 0;
    int lastMark = 0;
    int correct = 0;
    int answered = 0;
};
std::map<std::pair<QString, QString>, Expected> expectedCells()
{
    std::map<std::pair<QString, QString>, Expected> cells;
    for (const MadeUpSeries& s : madeUpSeries()) {
        const QDate date(2026, s.month, s.day);
        if (date < kFrom || date > kTo || !*s.code)
            continue;
        Expected& e = cells[{QString::fromUtf8(s.name).trimmed().toLower(), QString::fromLatin1(s.code)}];
        ++e.series;
        e.lastMark = QByteArray(s.mark).toInt();
        e.correct += s.correct;
        e.answered += s.correct + s.wrong;
    }
    return cells;
}

QStringList codes(const QList<const TaskRow*>& tasks)
{
    QStringList list;
    for (const TaskRow* t : tasks)
        list.append(TaskTable::code(*t));
    return list;
}

} // namespace

TEST(ClassReport, CountsMarksAndSharesOfAMadeUpClass)
{
    const ResultsLogContents log = madeUpLog();
    const ClassReport report = ClassReport::make(log, TaskTable::rows(), september());

    // "Jana Nová" in three spellings is one pupil under the spelling met most
    // often; "Eva Stastna" is not "Eva Šťastná". Slovak order: S before Š.
    QStringList names;
    for (const PupilReport& p : report.pupils)
        names.append(p.name);
    EXPECT_EQ(names, (QStringList{"Eva Stastna", "Eva Šťastná", "Jana Nová", "Peter Kováč"}));
    EXPECT_EQ(codes(report.tasks), (QStringList{"1a", "4a", "5a"}));

    const auto expected = expectedCells();
    int series = 0;
    int examples = 0;
    int correct = 0;
    for (const auto& [key, e] : expected) {
        series += e.series;
        examples += e.answered;
        correct += e.correct;
    }
    EXPECT_EQ(report.seriesCount(), series);
    EXPECT_EQ(report.exampleCount(), examples);
    EXPECT_EQ(report.share().correct, correct);
    EXPECT_EQ(report.share().answered, examples);
    for (const PupilReport& pupil : report.pupils)
        for (qsizetype t = 0; t < report.tasks.size(); ++t) {
            const auto found = expected.find({pupil.name.toLower(), TaskTable::code(*report.tasks[t])});
            const Expected e = found == expected.end() ? Expected{} : found->second;
            const ReportCell& cell = pupil.tasks[t];
            SCOPED_TRACE(pupil.name.toStdString() + " " + TaskTable::code(*report.tasks[t]).toStdString());
            EXPECT_EQ(cell.series, e.series);
            EXPECT_EQ(cell.lastMark, e.lastMark);
            EXPECT_EQ(cell.share.correct, e.correct);
            EXPECT_EQ(cell.share.answered, e.answered);
            EXPECT_EQ(pupil.untried.contains(report.tasks[t]), e.series == 0);
        }

    // Hustota kvapaliny over the class: 39 of 50 right, marks 1, 1, 2, 2, 3,
    // and by week from Monday: 18 of 20, 16 of 20, 5 of 10.
    const TaskReport& density = report.taskReports[0];
    EXPECT_EQ(density.series, 5);
    EXPECT_EQ(density.share.percent(), 78);
    EXPECT_EQ(density.marks, (std::array<int, 6>{0, 2, 2, 1, 0, 0}));
    ASSERT_EQ(density.weeks.size(), 3);
    EXPECT_EQ(density.weeks[0].monday, QDate(2026, 9, 7));
    EXPECT_EQ(density.weeks[0].share.percent(), 90);
    EXPECT_EQ(density.weeks[1].share.percent(), 80);
    EXPECT_EQ(density.weeks[2].monday, QDate(2026, 9, 21));
    EXPECT_EQ(density.weeks[2].share.percent(), 50);
    EXPECT_EQ(density.untriedBy, (QStringList{"Eva Stastna", "Eva Šťastná"}));

    const PupilReport& jana = report.pupils[2];
    EXPECT_EQ(jana.lastPractice, QDate(2026, 9, 21));
    ASSERT_EQ(jana.topics.size(), 2);
    EXPECT_EQ(jana.topics[1].topic, 5);
    EXPECT_EQ(jana.topics[1].share.percent(), 35);

    // The damaged record, the unknown task and the series before the period
    // are not counted; the first two are named.
    ASSERT_EQ(log.skipped.size(), 1);
    EXPECT_EQ(report.skipped.front().first, kTornLine);
    EXPECT_EQ(report.unknownTaskSeries(), 1);
    EXPECT_EQ(report.outsideListSeries(), 0);
}

TEST(ClassReport, MayNeedHelpSaysWhy)
{
    const ClassReport report = ClassReport::make(madeUpLog(), TaskTable::rows(), september());
    QStringList notes;
    for (const HelpNote& note : report.help)
        notes.append(note.pupil + QStringLiteral(" — ") + note.reason);
    // Jana: Elektrina 7 of 20 right. Peter: marks 1, 2, 3 in his last three
    // series of 1a. Eva Šťastná has 6 of 10, which is not under half.
    EXPECT_EQ(notes, (QStringList{
                         "Jana Nová — Elektrina: správne len 35 % odpovedí (7 z 20)",
                         "Peter Kováč — Hustota kvapaliny: známky sa zhoršili v posledných troch sériách (1, 2, 3)",
                     }));
}

TEST(ClassReport, AClassListCoversExactlyItsPupils)
{
    ReportRequest request = september();
    request.classList = QStringList{"Peter Kováč", " jana nová", "Ivan Malý", "PETER KOVÁČ"};
    const ClassReport report = ClassReport::make(madeUpLog(), TaskTable::rows(), request);
    ASSERT_EQ(report.pupils.size(), 3);
    EXPECT_EQ(report.pupils[0].name, QStringLiteral("Peter Kováč"));
    EXPECT_EQ(report.pupils[1].name, QStringLiteral("Jana Nová"));
    EXPECT_EQ(report.pupils[2].name, QStringLiteral("Ivan Malý"));
    EXPECT_TRUE(report.pupils[2].series.isEmpty());
    EXPECT_EQ(report.outsideListSeries(), 2); // both Evas
    EXPECT_EQ(codes(report.tasks), (QStringList{"1a", "5a"}));
    EXPECT_EQ(report.taskReports[1].untriedBy, (QStringList{"Peter Kováč", "Ivan Malý"}));
}

// Whatever a report leaves out is named: the names the class list misses
// with their series, the series of unknown tasks with their lines (of the
// class's pupils only), the names asked for that match nobody.
TEST(ClassReport, WhatIsLeftOutIsNamed)
{
    const ResultsLogContents log = madeUpLog();
    ReportRequest request = september();
    request.classList = QStringList{"Peter Kováč", "Jana Nová"};
    const ClassReport listed = ClassReport::make(log, TaskTable::rows(), request);
    ASSERT_EQ(listed.offList.size(), 2);
    EXPECT_EQ(listed.offList[0].name + QString::number(listed.offList[0].series), QStringLiteral("Eva Stastna1"));
    EXPECT_EQ(listed.offList[1].name + QString::number(listed.offList[1].series), QStringLiteral("Eva Šťastná1"));
    // Peter's series of an unknown task: four lines a series, one torn line before it.
    ASSERT_EQ(listed.unknownTasks.size(), 1);
    EXPECT_EQ(listed.unknownTasks[0].title, QStringLiteral("Neznáma úloha"));
    EXPECT_EQ(listed.unknownTasks[0].lines, (QList<int>{4 * 4 + 1 + 1}));

    // Another spelling on the list's line is the same pupil; a class without
    // Peter is not told of his unknown task.
    request.classList = QStringList{"Eva Šťastná = Eva Stastna", "Jana Nová"};
    const ClassReport aliased = ClassReport::make(log, TaskTable::rows(), request);
    ASSERT_EQ(aliased.pupils.size(), 2);
    EXPECT_EQ(aliased.pupils[0].series.size(), 2);
    EXPECT_TRUE(aliased.unknownTasks.isEmpty());
    EXPECT_EQ(aliased.outsideListSeries(), 3); // Peter's known series

    // Names asked for: in the log but not on the list, or nowhere.
    request.pupils = {QStringLiteral("peter kováč"), QStringLiteral("Ivan Malý"), QStringLiteral("Eva Stastna")};
    const ClassReport asked = ClassReport::make(log, TaskTable::rows(), request);
    EXPECT_EQ(asked.pupilsNotListed, QStringList{"peter kováč"});
    EXPECT_EQ(asked.pupilsNotFound, QStringList{"Ivan Malý"});
    ASSERT_EQ(asked.pupils.size(), 1);
    EXPECT_TRUE(asked.offList.isEmpty()); // classmates are not counted on a pupil's report

    // A pupil who practised only other tasks than the one asked for.
    ReportRequest onlyOhm = september();
    onlyOhm.classList = QStringList{"Peter Kováč"};
    onlyOhm.tasks = {TaskTable::find(u"5a")};
    const ClassReport ohm = ClassReport::make(log, TaskTable::rows(), onlyOhm);
    ASSERT_EQ(ohm.pupils.size(), 1);
    EXPECT_TRUE(ohm.pupils[0].series.isEmpty());
    EXPECT_EQ(ohm.pupils[0].otherSeries, 3);
}

// Shares are rounded, and no sum overflows whatever the counts.
TEST(ClassReport, SharesRoundAndSumsHold)
{
    struct Case {
        qint64 correct;
        qint64 answered;
        int percent;
    };
    for (const Case& c : {Case{397, 1000, 40}, Case{2, 3, 67}, Case{1, 8, 13}, Case{1, 201, 0}, Case{3'000'000'000, 4'000'000'000, 75}})
        EXPECT_EQ((AnswerShare{c.correct, c.answered}.percent()), c.percent) << c.correct << " of " << c.answered;

    ResultsLogContents log;
    for (int i = 0; i < 3000; ++i)
        log.entries.append(madeUpEntry({"Jana", "1a", 9, 7, 1000, 0, "1"}));
    const ClassReport report = ClassReport::make(log, TaskTable::rows(), september());
    EXPECT_EQ(report.exampleCount(), qint64(3'000'000));
    EXPECT_EQ(report.pupils[0].share.percent(), 100);
    EXPECT_EQ(report.marks().text(), QStringLiteral("1,0"));
}

// Who stopped practising while the class went on, who got worse over
// several tasks and who improved most.
TEST(ClassReport, StoppedWorseAndImproved)
{
    ResultsLogContents log;
    const MadeUpSeries series[] = {
        {"Ema", "1a", 9, 1, 9, 1, "1"}, {"Ema", "5a", 9, 2, 9, 1, "1"}, {"Ema", "1a", 9, 8, 8, 2, "2"},
        {"Ema", "5a", 9, 9, 6, 4, "3"}, {"Ema", "1a", 9, 15, 6, 4, "3"}, {"Ema", "5a", 9, 16, 5, 5, "4"},
        {"Ida", "1a", 9, 1, 5, 5, "4"}, {"Ida", "1a", 9, 2, 5, 5, "4"}, {"Ida", "1a", 9, 8, 6, 4, "3"},
        {"Ida", "1a", 9, 9, 8, 2, "2"}, {"Ida", "1a", 9, 15, 10, 0, "1"}, {"Ida", "1a", 9, 30, 10, 0, "1"},
        {"Max", "1a", 9, 1, 10, 0, "1"},
        {"Oto", "1a", 9, 28, 6, 4, "3"}, {"Oto", "1a", 9, 29, 10, 0, "1"}, {"Oto", "1a", 9, 30, 2, 8, "5"},
        {"Pavol", "1a", 9, 28, 10, 0, "1"}, {"Pavol", "1a", 9, 29, 8, 2, "2"}, {"Pavol", "1a", 9, 30, 8, 2, "2"},
    };
    for (const MadeUpSeries& s : series)
        log.entries.append(madeUpEntry(s));
    // Pavol's series go by date, then time: later days at earlier hours.
    for (qsizetype i = log.entries.size() - 3, hour = 15; i < log.entries.size(); ++i, hour -= 3)
        log.entries[i].time = QTime(int(hour), 0);
    const ClassReport report = ClassReport::make(log, TaskTable::rows(), september());
    QStringList help;
    for (const HelpNote& note : report.help)
        help.append(note.pupil + QStringLiteral(": ") + note.reason);
    EXPECT_TRUE(help.contains(QStringLiteral("Ema: známky sa zhoršili vo viacerých úlohách (priemer 1,3 → 3,3)")))
        << help.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(help.contains(QStringLiteral("Max: necvičil(a) od 1.9.")));
    EXPECT_TRUE(help.contains(QStringLiteral("Ema: necvičil(a) od 16.9.")));
    EXPECT_FALSE(help.join(QLatin1Char(' ')).contains(QStringLiteral("Ida")));
    // Oto's 3, 1, 5 got better before it got worse: no steady decline. His 5 counts.
    EXPECT_FALSE(help.join(QLatin1Char(' ')).contains(QStringLiteral("Oto")));
    EXPECT_EQ(report.pupils[3].marks.text(), QStringLiteral("3,0"));
    // Pavol's 1, 2, 2 got worse and stayed so.
    EXPECT_TRUE(help.contains(
        QStringLiteral("Pavol: Hustota kvapaliny: známky sa zhoršili v posledných troch sériách (1, 2, 2)")));
    ASSERT_EQ(report.improved.size(), 1);
    EXPECT_EQ(report.improved[0].pupil + QStringLiteral(": ") + report.improved[0].reason,
              QStringLiteral("Ida: známky sa zlepšili (priemer 3,7 → 1,3)"));
    EXPECT_EQ(report.pupils[0].marks.text(), QStringLiteral("2,3"));
}

TEST(ClassReport, TasksPupilsAndAnEmptyPeriod)
{
    ReportRequest request = september();
    request.tasks = {TaskTable::find(u"5a"), TaskTable::find(u"6a")};
    request.pupils = {QStringLiteral("JANA NOVÁ")};
    const ClassReport chosen = ClassReport::make(madeUpLog(), TaskTable::rows(), request);
    EXPECT_EQ(codes(chosen.tasks), (QStringList{"5a", "6a"}));
    ASSERT_EQ(chosen.pupils.size(), 1);
    EXPECT_EQ(chosen.seriesCount(), 2);
    EXPECT_EQ(chosen.pupils[0].untried, (QList<const TaskRow*>{TaskTable::find(u"6a")}));

    ReportRequest winter = september();
    winter.from = QDate(2027, 1, 1);
    winter.to = QDate(2027, 1, 31);
    const ClassReport empty = ClassReport::make(madeUpLog(), TaskTable::rows(), winter);
    EXPECT_TRUE(empty.empty());
    EXPECT_TRUE(empty.pupils.isEmpty());
    EXPECT_TRUE(empty.help.isEmpty());

    // Open ends reach the first series and today.
    ReportRequest open;
    open.today = QDate(2026, 10, 1);
    const ClassReport whole = ClassReport::make(madeUpLog(), TaskTable::rows(), open);
    EXPECT_EQ(whole.from, QDate(2026, 8, 1));
    EXPECT_EQ(whole.to, QDate(2026, 10, 1));
    EXPECT_EQ(whole.seriesCount(), 10);
}

// A series saved before a name was typed still counts, under a name a reader sees.
TEST(ClassReport, ASeriesWithoutANameIsShownAsSuch)
{
    ResultsLogContents log;
    log.entries.append(madeUpEntry({"  ", "1a", 9, 7, 8, 2, "2"}));
    const ClassReport report = ClassReport::make(log, TaskTable::rows(), september());
    ASSERT_EQ(report.pupils.size(), 1);
    EXPECT_EQ(report.pupils[0].name, QStringLiteral("(bez mena)"));
    EXPECT_EQ(report.seriesCount(), 1);
}

// An open period reaches from the first series to today, or to a later
// series when the computer's clock was wrong.
TEST(ClassReport, AnOpenPeriodReachesEverySeries)
{
    ResultsLogContents log;
    for (int day : {3, 20, 10})
        log.entries.append(madeUpEntry({"Ema", "1a", 9, day, 9, 1, "1"}));
    ReportRequest open;
    open.today = QDate(2026, 9, 15);
    const ClassReport report = ClassReport::make(log, TaskTable::rows(), open);
    EXPECT_EQ(report.from, QDate(2026, 9, 3));
    EXPECT_EQ(report.to, QDate(2026, 9, 20));
    EXPECT_EQ(report.seriesCount(), 3);
}
