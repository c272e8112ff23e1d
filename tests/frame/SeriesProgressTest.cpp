// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frame/SeriesProgress.h"
#include "services/Globals.h"

#include <gtest/gtest.h>

using namespace orbeta;

// A series of three shows three examples: the third continue ends it, and a
// new series starts its counters from zero.
TEST(SeriesProgress, ThreeExamplesThreeContinues)
{
    Globals g;
    g.ExampleCount = 3;
    g.CorrectCount = 4;
    g.WrongCount = 2;
    SeriesProgress::start(g);
    EXPECT_EQ(g.CorrectCount + g.WrongCount, 0);
    std::vector<int> shown;
    bool more = true;
    while (more) {
        shown.push_back(SeriesProgress::exampleNumber(g));
        SeriesProgress::count(g, shown.size() != 2);
        more = SeriesProgress::next(g);
    }
    EXPECT_EQ(shown, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(g.CorrectCount, 2);
    EXPECT_EQ(g.WrongCount, 1);
    EXPECT_EQ(g.ScreenItems, 0);
}

// Screens of several items use up all their items at once: 15 pairs run as
// ten and five, and the last continue ends the series.
TEST(SeriesProgress, ScreensOfSeveralItems)
{
    Globals g;
    g.ExampleCount = 15;
    SeriesProgress::start(g);
    for (int i = 0; i < 10; ++i)
        SeriesProgress::count(g, i != 3);
    EXPECT_TRUE(SeriesProgress::next(g, 10));
    EXPECT_EQ(g.ExamplesLeft, 5);
    EXPECT_FALSE(SeriesProgress::next(g, 5));
    EXPECT_EQ(g.ExamplesLeft, 0);
    const SeriesResult result = SeriesProgress::result(g);
    EXPECT_EQ(result.correct, 9);
    EXPECT_EQ(result.wrong, 1);
    EXPECT_EQ(SeriesProgress::answered(g), 10);
}
