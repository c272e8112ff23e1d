#include "results/MarkCalculator.h"

#include <gtest/gtest.h>

using orbeta::MarkTable;
using orbeta::results::MarkCalculator;

namespace {

// The installed table: rows overlap at their bounds, the last match wins.
const MarkTable school = {{{0, 30, 5}, {30, 50, 4}, {50, 75, 3}, {75, 90, 2}, {90, 100, 1}}};

QString mark(const MarkTable& table, int correct, int total)
{
    return MarkCalculator::Vlozeni_znamky(table, correct, total);
}

} // namespace

TEST(MarkCalculator, BothBoundsAreInclusive)
{
    const MarkTable table = {{{0, 69, 4}, {70, 84, 2}, {85, 100, 1}}};
    EXPECT_EQ(mark(table, 7, 10), QStringLiteral("2"));
    EXPECT_EQ(mark(table, 42, 50), QStringLiteral("2")); // 84 %
    EXPECT_EQ(mark(table, 10, 10), QStringLiteral("1"));
}

TEST(MarkCalculator, APercentageBetweenRowsGivesNoMark)
{
    const MarkTable table = {{{0, 66, 3}, {67, 100, 1}}};
    EXPECT_EQ(mark(table, 2, 3), QString()); // 66.67 %
    EXPECT_EQ(mark(table, 1, 3), QStringLiteral("3"));
}

TEST(MarkCalculator, WhereRowsOverlapTheLastMatchWins)
{
    EXPECT_EQ(mark(school, 9, 10), QStringLiteral("1"));
    EXPECT_EQ(mark(school, 3, 4), QStringLiteral("2"));
    EXPECT_EQ(mark(school, 2, 3), QStringLiteral("3"));
    EXPECT_EQ(mark(school, 0, 25), QStringLiteral("5"));
}

TEST(MarkCalculator, WholePercentagesAreExact)
{
    // 29 / 100 * 100 is 28.999999999999996 in doubles and would miss a row from 29.
    const MarkTable table = {{{29, 29, 4}, {57, 57, 3}, {58, 58, 2}}};
    EXPECT_EQ(mark(table, 29, 100), QStringLiteral("4"));
    EXPECT_EQ(mark(table, 57, 100), QStringLiteral("3"));
    EXPECT_EQ(mark(table, 58, 100), QStringLiteral("2"));
}

TEST(MarkCalculator, AnEmptySeriesOrANegativeCountGetsNoMark)
{
    EXPECT_EQ(mark(school, 0, 0), QString());
    EXPECT_EQ(mark(school, 3, 0), QString());
    EXPECT_EQ(mark(school, -1, -1), QString());
    EXPECT_FALSE(MarkCalculator::percent(0, 0));
}

TEST(MarkCalculator, RowsMissingFromTheFileMatchOnlyZeroPercent)
{
    const MarkTable partial = {{{1, 100, 2}}};
    EXPECT_EQ(mark(partial, 1, 2), QStringLiteral("2"));
    EXPECT_EQ(mark(partial, 0, 2), QStringLiteral("0"));
}
