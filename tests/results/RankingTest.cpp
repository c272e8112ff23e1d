// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/ranking/Ranking.h"

#include <gtest/gtest.h>

#include <algorithm>

using orbeta::results::Ranking;
using orbeta::results::RankingRecord;

namespace {

RankingRecord record(const char* name, int correct, int wrong, int mark)
{
    return RankingRecord{QString::fromUtf8(name), std::int16_t(correct), std::int16_t(wrong), std::int16_t(mark), false};
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
