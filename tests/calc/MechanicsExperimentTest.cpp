// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The experiments of "2a" to "2d": what the meters show at the last frame is
// what a pupil needs to answer right, and during the run the meters and the
// apparatus only move forward, never writing into a box the pupil must fill.
#include "calc/CheckExample.h"
#include "calc/Experiment.h"
#include "calc/NumberText.h"
#include "calc/SolutionText.h"
#include "tests/support/CalcTestTables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using namespace orbeta;
using orbeta::test::generated;

namespace {

constexpr int kSeeds = 400;
constexpr std::array<CalcTask, 4> kMechanicsTasks = {CalcTask::LiquidPressure, CalcTask::MechanicalWork,
                                                     CalcTask::WinchPower, CalcTask::WinchEnergy};

void forExamples(const std::function<void(const CalcExample&, const Experiment&)>& check)
{
    for (CalcTask task : kMechanicsTasks)
        for (std::uint64_t seed = 0; seed < kSeeds; ++seed) {
            const CalcExample e = generated(task, seed);
            SCOPED_TRACE(calcTaskCode(task).toStdString() + " seed " + std::to_string(seed) + " variant "
                         + std::to_string(e.asked.value_or(0)));
            check(e, Experiment(e));
            if (testing::Test::HasFailure())
                return;
        }
}

// In double precision, as a pupil's calculator works: 42,6 × 700 is 29820.
double number(const QString& text)
{
    bool ok = false;
    const double value = QString(text).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    return ok ? value : -1;
}

QString typed(double value, int decimals = 3)
{
    return FormatFixed(RoundHalfEven(value, decimals), decimals);
}

// What a pupil computes from the boxes after the last frame, with g = 10 N/kg,
// written into the asked boxes.
CalcAnswer answerFromReadings(const CalcExample& e, const Experiment& x)
{
    const ExperimentReadings r = x.readings(x.lastFrame());
    CalcAnswer a;
    for (std::size_t i = 0; i < 6; ++i)
        a.boxes[i] = r.boxes[i].value_or(e.boxes[i].text);
    const auto box = [&a](int n) -> QString& { return a.boxes[static_cast<std::size_t>(n - 1)]; };
    const auto at = [&box](int n) { return number(box(n)); };
    switch (e.task) {
    case CalcTask::LiquidPressure:  // m, p, S: p = m g / S in kPa with S in dm²
        if (e.asked == 1)
            box(2) = typed(at(1) / at(3));
        else if (e.asked == 2)
            box(1) = typed(at(2) * at(3));
        else
            box(3) = typed(at(1) / at(2));
        break;
    case CalcTask::MechanicalWork:  // s, F, W, t
        if (e.asked == 1)
            box(3) = typed(at(2) * at(1));
        else if (e.asked == 2)
            box(2) = typed(at(3) / at(1));
        else
            box(1) = typed(at(3) / at(2));
        break;
    case CalcTask::WinchPower:  // W, s, t, P
        if (e.asked == 1)
            box(1) = typed(at(4) * at(3));
        else if (e.asked == 2)
            box(4) = typed(at(1) / at(3));
        else
            box(3) = typed(at(1) / at(4));
        break;
    default: {  // m, W, h, t, P; the power in whole watts
        const double work = at(1) * 10 * at(3);
        box(2) = typed(work);
        box(5) = typed(work / at(4), 0);
    }
    }
    return a;
}

} // namespace

TEST(MechanicsExperiment, LastFrameShowsWhatTheAnswerNeeds)
{
    forExamples([](const CalcExample& e, const Experiment& x) {
        EXPECT_TRUE(CheckExample(e, answerFromReadings(e, x))) << SolutionText(e).toStdString();
    });
}

// Every frame: no reading in a box to fill, readings and the apparatus grow
// from the new example (nothing moved) to the end (all moved).
TEST(MechanicsExperiment, FramesGrowFromTheNewExampleToItsValues)
{
    forExamples([](const CalcExample& e, const Experiment& x) {
        const int last = x.lastFrame();
        ASSERT_GT(last, 0);
        std::array<double, 6> before{};
        double movedBefore = -1;
        for (int frame = 0; frame <= last; ++frame) {
            SCOPED_TRACE("frame " + std::to_string(frame));
            const ExperimentReadings r = x.readings(frame);
            for (std::size_t i = 0; i < 6; ++i) {
                ASSERT_FALSE(r.boxes[i] && (!e.boxes[i].used || e.boxes[i].text.isEmpty())) << "box " << i + 1;
                if (r.boxes[i]) {
                    EXPECT_GE(number(*r.boxes[i]), before[i]) << "box " << i + 1;
                    before[i] = number(*r.boxes[i]);
                }
            }
            const ExperimentScene scene = x.scene(frame);
            double moved = -1;
            if (const auto* press = std::get_if<LiquidPressureFrame>(&scene))
                moved = press->lowered;
            else if (const auto* board = std::get_if<MechanicalWorkFrame>(&scene))
                moved = board->travelled;
            else if (const auto* winch = std::get_if<WinchFrame>(&scene))
                moved = winch->lifted;
            ASSERT_GE(moved, 0) << "no scene";
            EXPECT_GT(moved, movedBefore);
            if (frame == 0) {
                EXPECT_EQ(moved, 0);
            }
            movedBefore = moved;
        }
        EXPECT_EQ(movedBefore, 1);
    });
}

// The run takes the time the example names: the body a tenth of a metre and
// the winch a tenth of a second a frame; the weight settles in half a second.
TEST(MechanicsExperiment, TheRunLastsAsLongAsTheExampleSays)
{
    forExamples([](const CalcExample& e, const Experiment& x) {
        const double seconds = x.lastFrame() * x.frameMs() / 1000.0;
        if (std::holds_alternative<LiquidPressureValues>(e.values)) {
            EXPECT_DOUBLE_EQ(seconds, 0.5);
        } else if (const auto* work = std::get_if<MechanicalWorkValues>(&e.values)) {
            EXPECT_EQ(x.lastFrame(), 10 * work->s);
        } else if (const auto* power = std::get_if<WinchPowerValues>(&e.values)) {
            EXPECT_NEAR(seconds, power->t, 1e-4);
        } else {
            EXPECT_NEAR(seconds, std::get<WinchEnergyValues>(e.values).t, 1e-4);
        }
    });
}

// "2d" asks for both the energy and the power: one right value is not enough.
TEST(MechanicsVerdict, TheWinchEnergyIsRightOnlyWithBothValues)
{
    const CalcExample e = generated(CalcTask::WinchEnergy, 5);
    const auto& x = std::get<WinchEnergyValues>(e.values);
    struct Case {
        int W;
        int P;
        bool right;
    };
    for (const Case c : {Case{x.W, x.P, true}, Case{x.W + 10, x.P, false}, Case{x.W, x.P + 1, false},
                         Case{0, x.P, false}}) {
        CalcAnswer a;
        for (std::size_t i = 0; i < 6; ++i)
            a.boxes[i] = e.boxes[i].text;
        a.boxes[1] = c.W == 0 ? QString() : QString::number(c.W);
        a.boxes[4] = QString::number(c.P);
        EXPECT_EQ(CheckExample(e, a), c.right) << c.W << " J, " << c.P << " W";
    }
}
