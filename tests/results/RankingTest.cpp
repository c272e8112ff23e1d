// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The ranking of a task: its order, the new record and its table, and the
// file it is stored in.
#include "results/ranking/Ranking.h"
#include "results/ranking/RankingFileFormat.h"

#include "formats/Cp1250.h"

#include <gtest/gtest.h>

#include <algorithm>

using orbeta::results::Ranking;
using orbeta::results::RankingFileFormat;
using orbeta::results::RankingRecord;

namespace {

RankingRecord record(const QString& name, int correct, int wrong, int mark, bool isNew = false)
{
    return RankingRecord{name, std::int16_t(correct), std::int16_t(wrong), std::int16_t(mark), isNew};
}

void expectRecord(const RankingRecord& r, const QString& name, int correct, int wrong, int mark)
{
    EXPECT_EQ(r.name, name);
    EXPECT_EQ(r.correct, correct) << name.toStdString();
    EXPECT_EQ(r.wrong, wrong) << name.toStdString();
    EXPECT_EQ(r.mark, mark) << name.toStdString();
    EXPECT_FALSE(r.isNew);
}

QStringList names(const Ranking& ranking)
{
    QStringList result;
    for (const RankingRecord& r : ranking.records())
        result.append(r.name);
    return result;
}

qsizetype newCount(const Ranking& ranking)
{
    return std::count_if(ranking.records().cbegin(), ranking.records().cend(),
                         [](const RankingRecord& r) { return r.isNew; });
}

} // namespace

TEST(Ranking, OrdersByMarkThenMoreCorrectThenFewerWrong)
{
    Ranking ranking({record("A", 8, 2, 2), record("B", 9, 1, 1), record("C", 9, 3, 2), record("D", 9, 1, 2)});
    ranking.sort();
    EXPECT_EQ(names(ranking), (QStringList{"B", "D", "C", "A"}));
}

TEST(Ranking, TheNewRecordStaysBelowOlderFullTies)
{
    Ranking ranking({record("Old1", 7, 3, 2), record("Old2", 7, 3, 2), record("Worse", 5, 5, 3)});
    EXPECT_EQ(ranking.insert(QStringLiteral("New"), 7, 3, QStringLiteral("2")), 2);
    EXPECT_EQ(names(ranking), (QStringList{"Old1", "Old2", "New", "Worse"}));
}

// Records read from a file are never new, even when marked so; each insertion
// makes exactly its own record new, unless it is inserted as not new.
TEST(Ranking, AtMostTheLastInsertedRecordIsNew)
{
    RankingRecord stale = record("Stale", 1, 1, 4);
    stale.isNew = true;
    Ranking ranking({stale, record("A", 5, 5, 3)});
    EXPECT_FALSE(ranking.newRecordIndex());
    ranking.insert(QStringLiteral("B"), 10, 0, QStringLiteral("1"));
    const qsizetype index = ranking.insert(QStringLiteral("C"), 6, 4, QStringLiteral("3"));
    EXPECT_EQ(newCount(ranking), 1);
    EXPECT_EQ(ranking.newRecordIndex(), index);
    EXPECT_EQ(names(ranking), (QStringList{"B", "C", "A", "Stale"}));
    EXPECT_EQ(ranking.insert(QStringLiteral("D"), 7, 3, QStringLiteral("2"), false), 1);
    EXPECT_EQ(newCount(ranking), 0);
}

TEST(Ranking, TableShowsTenRowsAndMarksOnlyTheNewRecord)
{
    QList<RankingRecord> records;
    for (int i = 0; i < 12; ++i)
        records.append(record("Best", 10, 0, 1));
    Ranking ranking(records);

    ranking.insert(QStringLiteral("Pupil"), 9, 1, QStringLiteral("1"));
    auto rows = ranking.tableRows();
    ASSERT_EQ(rows.size(), 10);
    EXPECT_EQ(rows.front().position, QStringLiteral("1."));
    EXPECT_EQ(rows.back().position, QStringLiteral("10."));
    EXPECT_TRUE(std::none_of(rows.cbegin(), rows.cend(), [](const auto& row) { return row.isNew; }));

    Ranking small({record("Jana", 7, 3, 2)});
    small.insert(QStringLiteral("Peter"), 9, 1, QStringLiteral("1"));
    rows = small.tableRows();
    EXPECT_TRUE(rows.at(0).isNew);
    EXPECT_EQ(rows.at(0).name, QStringLiteral("Peter"));
    EXPECT_EQ(rows.at(0).correct, QStringLiteral("9"));
    EXPECT_EQ(rows.at(0).mark, QStringLiteral("1"));
    EXPECT_FALSE(rows.at(1).isNew);
    EXPECT_EQ(rows.at(2).position, QStringLiteral("3."));
    EXPECT_TRUE(rows.at(2).name.isEmpty() && rows.at(2).mark.isEmpty());
}

TEST(Ranking, ASeriesWithoutAMarkRanksAfterEveryMarkedOne)
{
    Ranking ranking({record("Five", 1, 9, 5)});
    EXPECT_EQ(ranking.insert(QStringLiteral("None"), 2, 1, QString()), 1);
    EXPECT_EQ(ranking.records().at(1).mark, 0);
    EXPECT_TRUE(ranking.tableRows().at(1).mark.isEmpty());
}

TEST(Ranking, AnUnsortedFileIsSortedStablyOnInsertion)
{
    Ranking ranking({record("Stale", 1, 1, 4), record("Tie1", 5, 0, 1), record("Tie2", 5, 0, 1)});
    ranking.insert(QStringLiteral("Tie3"), 5, 0, QStringLiteral("1"));
    EXPECT_EQ(names(ranking), (QStringList{"Tie1", "Tie2", "Tie3", "Stale"}));
}

TEST(Ranking, TheNameIsStoredAsTheFilesCanHoldIt)
{
    Ranking ranking;
    ranking.insert(QStringLiteral("Ján|Nový\r\nX"), 1, 1, QStringLiteral("3"));
    EXPECT_EQ(ranking.records().at(0).name, QStringLiteral("Ján Nový  X"));
}

TEST(RankingFileFormat, WritesOneLineOfFiveFieldsPerRecordInWindows1250AndReadsItBack)
{
    const QByteArray bytes = RankingFileFormat::serialise(
        {record(QStringLiteral("Ľubica Šťastná"), 7, 3, 2, true), record(QString(), 10, 0, 0)});
    EXPECT_EQ(bytes, *orbeta::Cp1250::encode(QStringLiteral("Ľubica Šťastná|7|3|2|1\r\n|10|0|0|0\r\n")));
    EXPECT_TRUE(RankingFileFormat::serialise({}).isEmpty());
    const auto records = RankingFileFormat::parse(bytes);
    ASSERT_EQ(records.size(), 2);
    expectRecord(records.at(0), QStringLiteral("Ľubica Šťastná"), 7, 3, 2);
    expectRecord(records.at(1), QString(), 10, 0, 0);
}

TEST(RankingFileFormat, ADamagedFileStillGivesEveryRecordItCan)
{
    const QByteArray damaged = "Cut|7|\r\n"
                               "\r\n"
                               "Words|seven|3x|2.5|1|extra|fields\n"
                               "Huge|99999999999|-99999999999|1e999\r"
                               "Half|2.5|3.5|-0.5\r\n"
                               "OnlyName";
    const auto records = RankingFileFormat::parse(damaged);
    ASSERT_EQ(records.size(), 5);
    expectRecord(records.at(0), QStringLiteral("Cut"), 7, 0, 0);
    expectRecord(records.at(1), QStringLiteral("Words"), 0, 3, 2);
    expectRecord(records.at(2), QStringLiteral("Huge"), 32767, -32768, 32767);
    expectRecord(records.at(3), QStringLiteral("Half"), 2, 4, 0);
    expectRecord(records.at(4), QStringLiteral("OnlyName"), 0, 0, 0);
    EXPECT_TRUE(RankingFileFormat::parse(QByteArray()).isEmpty());
}

TEST(RankingFileFormat, NoNameCanAddAFieldOrALine)
{
    const QString hostile = QStringLiteral("A|9|9|1|1\r\nB\nC\rD\u2028E\tF\u0000G");
    const QByteArray bytes = RankingFileFormat::serialise({record(hostile, 1, 2, 3)});
    EXPECT_EQ(bytes.count('|'), 4);
    EXPECT_EQ(bytes.count('\n'), 1);
    EXPECT_EQ(bytes.count('\r'), 1);
    const auto records = RankingFileFormat::parse(bytes);
    ASSERT_EQ(records.size(), 1);
    expectRecord(records.at(0), QStringLiteral("A 9 9 1 1  B C D E F G"), 1, 2, 3);

    // A pupil may type "%": the numbers must not land in the name.
    const auto percent =
        RankingFileFormat::parse(RankingFileFormat::serialise({record(QStringLiteral("%1 %%5"), 7, 2, 4)}));
    ASSERT_EQ(percent.size(), 1);
    expectRecord(percent.at(0), QStringLiteral("%1 %%5"), 7, 2, 4);
}

TEST(RankingFileFormat, CharactersWindows1250LacksBecomeALetterOrAQuestionMark)
{
    // "ñ" and a decomposed "č" have letters in the code page; the emoji and
    // the Chinese character have none and stay one "?" each.
    const QString name = QStringLiteral("Niño Lu") + QChar(u'c') + QChar(0x030C) + QStringLiteral(" 😀王");
    const auto records = RankingFileFormat::parse(RankingFileFormat::serialise({record(name, 4, 1, 2)}));
    ASSERT_EQ(records.size(), 1);
    expectRecord(records.at(0), QStringLiteral("Nino Luč ??"), 4, 1, 2);
}
