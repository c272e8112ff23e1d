// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "menu/SetupLayout.h"
#include "menu/SetupState.h"

#include <gtest/gtest.h>

using namespace orbeta;

TEST(SetupLayout, CountsGrowButtonByButtonAndOnlyTheButtonsHaveOne)
{
    const auto physics = SetupLayout::forTask(QStringLiteral("1a"));
    const auto history = SetupLayout::forTask(QStringLiteral("6a"));
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(history.countOf(i), 5 * i);
        EXPECT_GT(physics.countOf(i), physics.countOf(i - 1)) << i;
    }
    EXPECT_EQ(physics.countOf(0), 0);
    EXPECT_EQ(physics.countOf(6), 0);
}

TEST(SetupState, ButtonsAnimateInOnlyOnce)
{
    SetupState s(SetupLayout::forTask(QStringLiteral("6a")));
    s.setName(QStringLiteral("Eva"));
    s.chooseCount(1);
    EXPECT_EQ(s.updateContinue(), ButtonStep::AnimateIn);
    EXPECT_EQ(s.updatePrint(), ButtonStep::AnimateIn);
    s.chooseCount(4);
    EXPECT_EQ(s.exampleCount(), 20);
    EXPECT_EQ(s.updateContinue(), ButtonStep::Keep);
    EXPECT_EQ(s.updatePrint(), ButtonStep::Keep);
    s.setName(QStringLiteral("Eva N"));
    EXPECT_EQ(s.updateContinue(), ButtonStep::Keep);
}

TEST(SetupState, EmptiedNameHidesContinueAndItAnimatesAgainLater)
{
    SetupState s(SetupLayout::forTask(QStringLiteral("1a")));
    s.chooseCount(1);
    s.setName(QStringLiteral("A"));
    EXPECT_EQ(s.updateContinue(), ButtonStep::AnimateIn);
    EXPECT_EQ(s.updatePrint(), ButtonStep::AnimateIn);
    s.setName(QString());
    EXPECT_EQ(s.updateContinue(), ButtonStep::Hide);
    EXPECT_FALSE(s.continueShown());
    EXPECT_EQ(s.updatePrint(), ButtonStep::Keep);
    s.setName(QStringLiteral("B"));
    EXPECT_EQ(s.updateContinue(), ButtonStep::AnimateIn);
}

TEST(SetupState, OneCountButtonIsMarked)
{
    SetupState s(SetupLayout::forTask(QStringLiteral("1a")));
    s.chooseCount(3);
    s.chooseCount(5);
    for (int i = 1; i <= 4; ++i)
        EXPECT_FALSE(s.isChosen(i)) << i;
    EXPECT_TRUE(s.isChosen(5));
    s.chooseCount(9);
    EXPECT_TRUE(s.isChosen(5));
    EXPECT_EQ(s.exampleCount(), 15);
}
