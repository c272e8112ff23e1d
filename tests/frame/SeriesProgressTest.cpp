// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frame/SeriesProgress.h"

#include <gtest/gtest.h>

using namespace orbeta;

// A series of three shows three examples: the third continue ends it.
TEST(SeriesProgress, ThreeExamplesThreeContinues)
{
    SeriesProgress series(3);
    EXPECT_EQ(series.answered(), 0);
    std::vector<int> shown;
    bool more = true;
    while (more) {
        shown.push_back(series.exampleNumber());
        series.count(shown.size() != 2);
        more = series.next();
    }
    EXPECT_EQ(shown, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(series.correct(), 2);
    EXPECT_EQ(series.wrong(), 1);
    EXPECT_EQ(series.examplesLeft(), 0);
}

// Screens of several items use up all their items at once: 15 pairs run as
// ten and five, and the last continue ends the series.
TEST(SeriesProgress, ScreensOfSeveralItems)
{
    SeriesProgress series(15);
    for (int i = 0; i < 10; ++i)
        series.count(i != 3);
    EXPECT_TRUE(series.next(10));
    EXPECT_EQ(series.examplesLeft(), 5);
    EXPECT_EQ(series.exampleNumber(), 11);
    EXPECT_FALSE(series.next(5));
    EXPECT_EQ(series.examplesLeft(), 0);
    const SeriesResult result = series.result(QStringLiteral("Ján"), QStringLiteral("Optika"), QStringLiteral("Šošovka"));
    EXPECT_EQ(result.pupilName, QStringLiteral("Ján"));
    EXPECT_EQ(result.taskTitle, QStringLiteral("Šošovka"));
    EXPECT_EQ(result.correct, 9);
    EXPECT_EQ(result.wrong, 1);
    EXPECT_EQ(series.answered(), 10);
}
