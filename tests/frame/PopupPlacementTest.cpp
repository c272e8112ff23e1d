// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frame/PopupPlacement.h"

#include <gtest/gtest.h>

using namespace orbeta;

namespace {
const QRect kScreen(0, 0, 640, 480);
const QRect kContinue(480, 418, 150, 48);
const QRect kMark(428, 416, 48, 52);
} // namespace

TEST(PlacePopup, StaysWhereWantedWhenNothingIsCovered)
{
    EXPECT_EQ(PlacePopup({200, 60}, {100, 100}, kScreen, {kContinue, kMark}), QPoint(100, 100));
    // Kept whole on the screen.
    EXPECT_EQ(PlacePopup({200, 60}, {600, -20}, kScreen, {}), QPoint(440, 0));
}

TEST(PlacePopup, MovesBesideTheControlsItWouldCover)
{
    for (QPoint wanted : {QPoint(433, 404), QPoint(215, 89), QPoint(500, 430)}) {
        const QSize size(380, 350);
        const QRect placed(PlacePopup(size, wanted, kScreen, {kContinue, kMark}), size);
        EXPECT_TRUE(kScreen.contains(placed)) << wanted.x();
        EXPECT_FALSE(placed.intersects(kContinue)) << wanted.x();
        EXPECT_FALSE(placed.intersects(kMark)) << wanted.x();
    }
}

TEST(PlacePopup, WithNoFreePlaceItStaysOnTheScreen)
{
    const QPoint at = PlacePopup({640, 480}, {30, 30}, kScreen, {kContinue});
    EXPECT_EQ(at, QPoint(0, 0));
}
