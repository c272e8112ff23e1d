// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The lever of "2e" under the pupil's hands: snapping within 5 pixels, a
// weight let go either on a hook or back in the tray, refusal on an occupied
// mark, taking a weight off, the scene's bounds, no move after the check, and
// the keyboard's path under the same rules. (The verdict on a lever is CheckExample's.)
#include "calc/grading/CheckExample.h"
#include "calc/experiments/LeverBoard.h"
#include "tests/support/CalcTestTables.h"

#include <gtest/gtest.h>

using namespace orbeta;

namespace {

LeverPlaces places()
{
    LeverPlaces p;
    for (int mark = -6; mark <= 6; ++mark)
        p.hooks[std::size_t(mark + 6)] = QPoint(145 + 24 * mark, 110);
    p.homes = {QPoint(30, 196), QPoint(66, 196), QPoint(102, 196)};
    p.scene = QSize(312, 252);
    p.weight = QSize(22, 34);
    return p;
}

QPoint hook(int mark)
{
    return places().hooks[std::size_t(mark + 6)];
}

// 8 at -3 balances 6 at +4 (variants 1, 2); 10 at -3 balances 9 at +2
// with 4 at +3 (variants 3, 4). The last weight is the one to place.
CalcExample lever(int variant)
{
    LeverValues x;
    if (variant <= 2) {
        x.count = 2;
        x.weights = {8, 6, 0};
        x.marks = {-3, 4, 0};
    } else {
        x.count = 3;
        x.weights = {10, 9, 4};
        x.marks = {-3, 2, 3};
    }
    if (variant % 2 == 1) {
        x.offeredCount = 3;
        x.offered = {5, x.weights[std::size_t(x.count - 1)], 11};
    } else {
        x.offeredCount = 1;
        x.offered = {x.weights[std::size_t(x.count - 1)], 0, 0};
    }
    return test::example(CalcTask::Lever, variant, x);
}

// Drags weight w from its place so that its corner lands at `to`: what the
// move did, or the refusal when it is let go.
LeverBoard::Event drag(LeverBoard& b, int w, QPoint to)
{
    const QPoint from = b.position(w);
    b.press(w, true);
    const LeverBoard::Event moved = b.move(to - from);
    const LeverBoard::Event released = b.release();
    return released == LeverBoard::Event::Refused ? released : moved;
}

TEST(LeverBoard, AWeightSnapsWithinFivePixelsInclusiveAndNotAtSix)
{
    struct Case {
        QPoint offset;
        bool snaps;
    };
    for (const Case c : {Case{{5, 5}, true}, Case{{-5, -5}, true}, Case{{5, -5}, true}, Case{{6, 0}, false},
                         Case{{0, -6}, false}, Case{{-6, 5}, false}}) {
        LeverBoard b(lever(2), places());
        b.press(1, true);
        const LeverBoard::Event event = b.move(hook(4) + c.offset - b.position(1));
        EXPECT_EQ(event == LeverBoard::Event::Hung, c.snaps) << c.offset.x() << ", " << c.offset.y();
        EXPECT_EQ(b.position(1) == hook(4), c.snaps);
        EXPECT_EQ(b.lever()[10] == 6, c.snaps);
        EXPECT_EQ(b.weightHung(), c.snaps);
    }
}

// Let go, a weight is on a hook, counted, or back in the tray: nothing floats
// near a mark looking hung while the lever and the check ignore it.
TEST(LeverBoard, ALetGoWeightHangsWhereItSeemsToHangOrGoesBackToTheTray)
{
    struct Case {
        QPoint to;
        bool hangs;
    };
    const QPoint reach(LeverBoard::kDropReach, LeverBoard::kDropReach);
    for (const Case c : {Case{hook(6) - QPoint(0, 10), true}, Case{hook(4) + reach, true},
                         Case{hook(-6) - reach, true}, Case{hook(4) + QPoint(0, LeverBoard::kDropReach + 1), false},
                         Case{hook(2) + QPoint(LeverBoard::kDropReach + 1, 0), false}, Case{QPoint(150, 40), false},
                         Case{QPoint(290, 218), false}}) {
        SCOPED_TRACE(testing::Message() << c.to.x() << ", " << c.to.y());
        LeverBoard b(lever(2), places());
        const LeverState before = b.lever();
        b.press(1, true);
        b.move(c.to - b.position(1));
        EXPECT_EQ(b.release(), c.hangs ? LeverBoard::Event::Hung : LeverBoard::Event::Dropped);
        const std::optional<int> mark = b.markOf(1);
        EXPECT_EQ(mark.has_value(), c.hangs);
        EXPECT_EQ(b.weightHung(), c.hangs);
        if (mark) {
            EXPECT_EQ(b.position(1), hook(*mark));
            EXPECT_EQ(b.lever()[std::size_t(*mark + 6)], 6);
        } else {
            EXPECT_EQ(b.position(1), places().homes[0]);
            EXPECT_EQ(b.lever(), before);
        }
    }
    // Taken off its mark and let go in the open, it goes to the tray too,
    // and the mark is empty.
    LeverBoard b(lever(2), places());
    drag(b, 1, hook(4));
    drag(b, 1, QPoint(200, 40));
    EXPECT_EQ(b.position(1), places().homes[0]);
    EXPECT_EQ(b.lever()[10], 0);
}

// A weight let go on another mark would seem to hang there: it goes back.
TEST(LeverBoard, WhenTheMarkIsShownOnlyItTakesAWeight)
{
    LeverBoard b(lever(1), places());
    ASSERT_EQ(b.shownMark(), 4);
    const LeverState before = b.lever();
    const QPoint home = b.position(2);
    for (int mark : {-6, -1, 0, 1, 3, 5, 6}) {
        for (const QPoint offset : {QPoint(0, 0), QPoint(5, -5)}) {
            EXPECT_EQ(drag(b, 2, hook(mark) + offset), LeverBoard::Event::Refused) << mark;
            EXPECT_EQ(b.position(2), home) << mark;
            EXPECT_EQ(b.lever(), before) << mark;
            EXPECT_FALSE(b.weightHung());
        }
    }
    // Ten pixels off another mark it would seem to hang there too: back it goes.
    EXPECT_EQ(drag(b, 2, hook(3) + QPoint(0, -10)), LeverBoard::Event::Refused);
    EXPECT_EQ(b.position(2), home);
    EXPECT_EQ(b.lever(), before);
    // Taken off the shown mark and let go on another, it hangs on the shown mark again.
    EXPECT_EQ(drag(b, 2, hook(4)), LeverBoard::Event::Hung);
    EXPECT_EQ(drag(b, 2, hook(2) + QPoint(3, -8)), LeverBoard::Event::Refused);
    EXPECT_EQ(b.position(2), hook(4));
    EXPECT_EQ(b.markOf(2), 4);
    // The even variants: any mark, the pivot included.
    LeverBoard any(lever(2), places());
    EXPECT_EQ(drag(any, 1, hook(0)), LeverBoard::Event::Hung);
    EXPECT_EQ(any.lever()[6], 6);
}

TEST(LeverBoard, AnOccupiedMarkRefusesAnotherWeightWhichGoesBack)
{
    LeverBoard b(lever(2), places());
    const QPoint home = b.position(1);
    EXPECT_EQ(drag(b, 1, hook(-3) + QPoint(2, -3)), LeverBoard::Event::Refused);
    EXPECT_EQ(b.position(1), home);
    EXPECT_EQ(b.lever()[3], 8);
    EXPECT_FALSE(b.moving());
    // Refused after leaving its own mark: it goes back there and hangs again.
    drag(b, 1, hook(4));
    b.press(1, true);
    b.move(QPoint(0, 40));
    EXPECT_EQ(b.lever()[10], 0);
    EXPECT_EQ(b.move(hook(-3) - hook(4)), LeverBoard::Event::Refused);
    EXPECT_EQ(b.position(1), hook(4));
    EXPECT_EQ(b.lever()[10], 6);
    EXPECT_TRUE(b.weightHung());
}

TEST(LeverBoard, TakingAWeightOffEmptiesTheMarkAndClearsWeightHung)
{
    LeverBoard b(lever(2), places());
    drag(b, 1, hook(4));
    ASSERT_TRUE(b.weightHung());
    EXPECT_TRUE(CheckExample(lever(2), CalcAnswer{.lever = b.lever()}));
    EXPECT_EQ(drag(b, 1, hook(4) + QPoint(0, 30)), LeverBoard::Event::TakenOff);
    EXPECT_FALSE(b.weightHung());
    EXPECT_EQ(b.lever()[10], 0);
    EXPECT_FALSE(CheckExample(lever(2), CalcAnswer{.lever = b.lever()}));
}

TEST(LeverBoard, AWeightStaysWholeInsideTheScene)
{
    LeverBoard b(lever(2), places());
    b.press(1, true);
    b.move(QPoint(1000, 1000));
    EXPECT_EQ(b.position(1), QPoint(312 - 22, 252 - 34));
    b.move(QPoint(-1000, -1000));
    EXPECT_EQ(b.position(1), QPoint(0, 0));
}

TEST(LeverBoard, NothingMovesOnceTheExampleIsChecked)
{
    LeverBoard b(lever(2), places());
    const QPoint home = b.position(1);
    EXPECT_EQ(b.press(1, false), LeverBoard::Event::None);
    EXPECT_EQ(b.move(hook(4) - home), LeverBoard::Event::None);
    EXPECT_EQ(b.choose(1, false), LeverBoard::Event::None);
    EXPECT_EQ(b.step(1), LeverBoard::Event::None);
    EXPECT_EQ(b.position(1), home);
}

TEST(LeverBoard, TheKeyboardCarriesAWeightFromMarkToMarkUnderTheSameRules)
{
    LeverBoard b(lever(2), places());
    EXPECT_EQ(b.choose(1, true), LeverBoard::Event::PickedUp);
    // Chosen by its key, the weight rises where it stands.
    EXPECT_EQ(b.position(1), places().homes[0] - QPoint(0, LeverBoard::kLift));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(b.step(-1), LeverBoard::Event::Moved);
    EXPECT_EQ(b.keyMark(), -3);
    EXPECT_EQ(b.hang(), LeverBoard::Event::Refused);  // 8 hangs there
    EXPECT_EQ(b.position(1), places().homes[0]);
    b.choose(1, true);
    for (int i = 0; i < 9; ++i)
        b.step(1);
    EXPECT_EQ(b.keyMark(), 6);  // the last mark stops it
    b.step(-1);
    b.step(-1);
    EXPECT_EQ(b.hang(), LeverBoard::Event::Hung);
    EXPECT_EQ(b.lever()[10], 6);
    // Chosen again while it hangs, it comes off and waits under its mark.
    EXPECT_EQ(b.release(), LeverBoard::Event::Dropped);
    EXPECT_EQ(b.choose(1, true), LeverBoard::Event::PickedUp);
    EXPECT_FALSE(b.weightHung());
    EXPECT_EQ(b.keyMark(), 4);
    EXPECT_EQ(b.hang(), LeverBoard::Event::Hung);
    EXPECT_EQ(b.step(1), LeverBoard::Event::TakenOff);
    EXPECT_EQ(b.step(-1), LeverBoard::Event::Moved);
    b.hang();
    EXPECT_TRUE(b.weightHung());
    EXPECT_EQ(b.takeBack(), LeverBoard::Event::TakenOff);
    EXPECT_EQ(b.position(1), places().homes[0]);
    EXPECT_FALSE(b.weightHung());
}

} // namespace
