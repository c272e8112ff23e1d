// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/ranking/MarkCalculator.h"

#include <gtest/gtest.h>

using orbeta::MarkTable;
using orbeta::results::MarkCalculator;

TEST(MarkCalculator, NamedCases)
{
    // The installed table: rows overlap at their bounds, the last match wins.
    const MarkTable school = {{{0, 30, 5}, {30, 50, 4}, {50, 75, 3}, {75, 90, 2}, {90, 100, 1}}};
    const MarkTable gaps = {{{0, 69, 4}, {70, 84, 2}, {85, 100, 1}}};
    // 29 / 100 * 100 is 28.999999999999996 in doubles and would miss a row from 29.
    const MarkTable single = {{{29, 29, 4}, {57, 57, 3}, {58, 58, 2}}};
    struct Case {
        const char* name;
        const MarkTable& table;
        int correct;
        int total;
        const char* mark;
    };
    const Case cases[] = {
        {"lower bound inclusive", gaps, 7, 10, "2"},
        {"upper bound inclusive (84 %)", gaps, 42, 50, "2"},
        {"full marks", gaps, 10, 10, "1"},
        {"between rows (69.7 %) no mark", gaps, 69, 99, ""},
        {"overlap at 90 %: last row wins", school, 9, 10, "1"},
        {"overlap at 75 %", school, 3, 4, "2"},
        {"66.67 % inside a row", school, 2, 3, "3"},
        {"nothing right", school, 0, 25, "5"},
        {"whole percentage 29 exact", single, 29, 100, "4"},
        {"whole percentage 57 exact", single, 57, 100, "3"},
        {"whole percentage 58 exact", single, 58, 100, "2"},
        {"empty series", school, 0, 0, ""},
        {"more right than asked of none", school, 3, 0, ""},
        {"negative counts", school, -1, -1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(MarkCalculator::Vlozeni_znamky(c.table, c.correct, c.total), QString::fromUtf8(c.mark));
    }
    EXPECT_FALSE(MarkCalculator::percent(0, 0));
}

// A file of fewer than five lines leaves rows without a mark: they give
// none, not the mark 0 over the rows above them.
TEST(MarkCalculator, RowsMissingFromTheFileGiveNoMark)
{
    const MarkTable partial = {{{1, 100, 2}}};
    EXPECT_EQ(MarkCalculator::Vlozeni_znamky(partial, 1, 2), QStringLiteral("2"));
    EXPECT_EQ(MarkCalculator::Vlozeni_znamky(partial, 0, 2), QString());
    const MarkTable fourLines = {{{0, 50, 4}, {50, 75, 3}, {75, 90, 2}, {90, 100, 1}}};
    EXPECT_EQ(MarkCalculator::Vlozeni_znamky(fourLines, 0, 10), QStringLiteral("4"));
    EXPECT_EQ(MarkCalculator::Vlozeni_znamky(fourLines, 10, 10), QStringLiteral("1"));
}
