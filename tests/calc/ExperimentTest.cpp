// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The frames of the experiments and the protocol that plays them: what the
// instruments show at the last frame is what a pupil needs to answer right,
// during the run the meters and the apparatus only move forward, never
// writing into a box the pupil must fill, and the frame shown depends only on
// the ticks since the start.
#include "calc/grading/CheckExample.h"
#include "calc/experiments/CircuitExperiment.h"
#include "calc/experiments/DensityExperiment.h"
#include "calc/experiments/Experiment.h"
#include "calc/experiments/ExperimentPlan.h"
#include "calc/basics/NumberText.h"
#include "calc/basics/RandomSource.h"
#include "calc/grading/SolutionText.h"
#include "calc/basics/QuantityTable.h"
#include "calc/rules/TaskQuantities.h"
#include "tests/support/CalcTestTables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using namespace orbeta;
using orbeta::test::generated;

namespace {

constexpr int kSeeds = 600;
constexpr std::array<CalcTask, 15> kPlayedTasks = {
    CalcTask::LiquidDensity,  CalcTask::SolidDensity,      CalcTask::UniformMotion,  CalcTask::NonUniformMotion,
    CalcTask::Heat,           CalcTask::Melting,           CalcTask::OhmsLaw,        CalcTask::ElectricEnergy,
    CalcTask::ElectricPower,  CalcTask::SeriesResistors,   CalcTask::ParallelResistors, CalcTask::LiquidPressure,
    CalcTask::MechanicalWork, CalcTask::WinchPower,        CalcTask::WinchEnergy};

bool isMechanics(CalcTask task)
{
    return task == CalcTask::LiquidPressure || task == CalcTask::MechanicalWork || task == CalcTask::WinchPower
           || task == CalcTask::WinchEnergy;
}

void forExamples(const std::function<void(const CalcExample&, const Experiment&)>& check)
{
    for (CalcTask task : kPlayedTasks)
        for (std::uint64_t seed = 0; seed < kSeeds; ++seed) {
            const CalcExample e = generated(task, seed);
            SCOPED_TRACE(calcTaskCode(task).toStdString() + " seed " + std::to_string(seed) + " variant "
                         + std::to_string(e.asked.value_or(0)));
            check(e, Experiment(e));
            if (testing::Test::HasFailure())
                return;
        }
}

double number(const QString& text)
{
    return double(ParseSingle(text).value_or(-1));
}

QString typed(double value)
{
    return FormatFixed(value, 3);
}

// The mechanics tasks in double precision, as a pupil's calculator works:
// 42,6 × 700 is 29820.
double exact(const QString& text)
{
    bool ok = false;
    const double value = QString(text).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    return ok ? value : -1;
}

QString worked(double value, int decimals = 3)
{
    return FormatFixed(RoundHalfEven(value, decimals), decimals);
}

int rowOf(const ExampleTable& table, double value)
{
    for (int row = 1; row <= table.rows(); ++row)
        if (std::abs(table.value(row) - value) < 1e-3)
            return row;
    return 0;
}

// The boxes after the last frame: as generated, with what the instruments wrote.
CalcAnswer shownAtEnd(const CalcExample& e, const Experiment& x)
{
    const ExperimentReadings r = x.readings(x.lastFrame());
    CalcAnswer a;
    for (std::size_t i = 0; i < 6; ++i)
        a.boxes[i] = r.boxes[i].value_or(e.boxes[i].text);
    for (std::size_t i = 0; i < 2; ++i)
        a.finishBoxes[i] = r.finishBoxes[i].value_or(e.finishBoxes[i]);
    return a;
}

// What a pupil computes from the boxes the experiment filled (and the table
// row shown), written into the asked box.
CalcAnswer answerFromReadings(const CalcExample& e, const Experiment& x)
{
    CalcAnswer a = shownAtEnd(e, x);
    const ExampleTable table = orbeta::test::tableFor(e.task);
    const auto box = [&a](int n) -> QString& { return a.boxes[static_cast<std::size_t>(n - 1)]; };
    const auto at = [&box](int n) { return number(box(n)); };
    const auto in = [&box](int n) { return exact(box(n)); };
    const double rho = e.shownRow > 0 ? table.value(e.shownRow) : 0;
    switch (e.task) {
    case CalcTask::LiquidDensity:  // m1, m2, V
        if (e.asked == 1)
            box(3) = typed((at(2) - at(1)) / rho);
        else if (e.asked == 2)
            a.markedRow = rowOf(table, (at(2) - at(1)) / at(3));
        else
            box(2) = typed(at(1) + rho * at(3));
        break;
    case CalcTask::SolidDensity:  // m, V1, V2
        if (e.asked == 1)
            a.markedRow = rowOf(table, at(1) / (at(3) - at(2)));
        else if (e.asked == 2)
            box(1) = typed(rho * (at(3) - at(2)));
        else
            box(3) = typed(at(2) + at(1) / rho);
        break;
    case CalcTask::UniformMotion:  // v, s, t
        if (e.asked == 1)
            box(1) = typed(at(2) / at(3));
        else if (e.asked == 2)
            box(2) = typed(at(1) * at(3));
        else
            box(3) = typed(at(2) / at(1));
        break;
    case CalcTask::Heat:  // m, t1, t2 on the thermometer, Q; c from the row shown
        box(4) = typed(rho * at(1) * (at(3) - at(2)));
        break;
    case CalcTask::Melting:
        box(4) = typed(at(1) * (table.value(1) * (0 - at(2)) + table.value(4) + table.value(2) * at(3)));
        break;
    case CalcTask::OhmsLaw: {  // I, R, U; a given R stands on the resistor
        const double r = std::get<OhmsLawValues>(e.values).R;
        box(*e.asked == 1 ? 2 : *e.asked == 2 ? 1 : 3) =
            typed(*e.asked == 1 ? at(3) / at(1) : *e.asked == 2 ? at(3) / r : r * at(1));
        break;
    }
    case CalcTask::ElectricPower: {  // I, P, U; a given P stands on the appliance
        const double p = std::get<ElectricPowerValues>(e.values).P;
        box(*e.asked == 1 ? 2 : *e.asked == 2 ? 1 : 3) =
            typed(*e.asked == 1 ? at(3) * at(1) : *e.asked == 2 ? p / at(3) : p / at(1));
        break;
    }
    case CalcTask::ElectricEnergy: {  // the power on the plate, the time on the clock
        const int minutes = 60 * a.finishBoxes[0].toInt() + a.finishBoxes[1].toInt();
        box(1) = typed(number(e.startBoxes[1]) * minutes / 60000);
        break;
    }
    case CalcTask::SeriesResistors:  // I, R1, R2, U1, U2
        switch (*e.asked) {
        case 1: box(1) = typed(at(4) / at(2)); break;
        case 2: box(2) = typed(at(4) / at(1)); break;
        case 3: box(3) = typed(at(5) / at(1)); break;
        case 4: box(4) = typed(at(2) * at(1)); break;
        default: box(5) = typed(at(3) * at(1)); break;
        }
        break;
    case CalcTask::ParallelResistors:  // R1, R2, U, I1, I2, I
        switch (*e.asked) {
        case 1: box(1) = typed(at(3) / at(4)); break;
        case 2: box(2) = typed(at(3) / at(5)); break;
        case 3: box(3) = typed(at(1) * at(4)); break;
        case 4: box(4) = typed(at(3) / at(1)); break;
        default: box(5) = typed(at(3) / at(2)); break;
        }
        box(6) = typed(number(box(4)) + number(box(5)));
        break;
    case CalcTask::LiquidPressure:  // m, p, S: p = m g / S in kPa with S in dm²
        if (e.asked == 1)
            box(2) = worked(in(1) / in(3));
        else if (e.asked == 2)
            box(1) = worked(in(2) * in(3));
        else
            box(3) = worked(in(1) / in(2));
        break;
    case CalcTask::MechanicalWork:  // s, F, W, t
        if (e.asked == 1)
            box(3) = worked(in(2) * in(1));
        else if (e.asked == 2)
            box(2) = worked(in(3) / in(1));
        else
            box(1) = worked(in(3) / in(2));
        break;
    case CalcTask::WinchPower:  // W, s, t, P
        if (e.asked == 1)
            box(1) = worked(in(4) * in(3));
        else if (e.asked == 2)
            box(4) = worked(in(1) / in(3));
        else
            box(3) = worked(in(1) / in(4));
        break;
    case CalcTask::WinchEnergy: {  // m, W, h, t, P with g = 10 N/kg; the power in whole watts
        const double work = in(1) * 10 * in(3);
        box(2) = worked(work);
        box(5) = worked(work / in(4), 0);
        break;
    }
    default: {
        const auto& m = std::get<NonUniformMotionValues>(e.values);
        const int clock = 60 * a.finishBoxes[0].toInt() + a.finishBoxes[1].toInt();
        if (e.asked == 1) {
            for (int row = 1; row <= 3; ++row)
                if (m.speeds[static_cast<std::size_t>(row - 1)] * clock == 60 * (m.s1 + m.s2))
                    a.markedRow = row;
        } else if (e.asked == 2) {
            const int other = m.askedCity == m.startCity ? m.s2 : m.s1;
            box(m.askedCity) = typed(m.v * clock / 60.0 - other);
        } else {
            const int minutes = 60 * (m.s1 + m.s2) / m.v;
            a.finishBoxes = {QString::number(minutes / 60), QString::number(minutes % 60)};
        }
    }
    }
    return a;
}

// How far a scene has got, as the frames test measures it: the liquid's
// level (and the body's drop), the fraction of the track, the leg and point,
// the glow, the melting and the thermometer, the switch, the needles and the
// clock, the weight's drop, the body's travel and the load's lift.
double startProgress(const CalcExample& e)
{
    if (const auto* b = std::get_if<SolidDensityValues>(&e.values))
        return 10.0 * b->V1;
    if (const auto* ice = std::get_if<MeltingValues>(&e.values))
        return ice->t1;
    return e.task == CalcTask::NonUniformMotion ? 100 : 0;
}

double endProgress(const CalcExample& e)
{
    if (const auto* liquid = std::get_if<LiquidDensityValues>(&e.values))
        return liquid->V;
    if (const auto* b = std::get_if<SolidDensityValues>(&e.values))
        return 10.0 * b->V2 + 1;
    if (e.task == CalcTask::Heat)
        return 30;
    if (const auto* ice = std::get_if<MeltingValues>(&e.values))
        return 1000 + ice->t2;
    if (const auto* energy = std::get_if<ElectricEnergyValues>(&e.values))
        return 2 * energy->t + 1;
    if (std::holds_alternative<CircuitFrame>(ExperimentPlan::scene(e, 0)))
        return 2;
    return e.task == CalcTask::NonUniformMotion ? 240 : 1;
}

} // namespace

// At the last frame a pupil has what they need, and the instruments show
// the example's own values in the texts the generation gives a given box.
TEST(ExperimentFrames, LastFrameShowsWhatTheAnswerNeeds)
{
    forExamples([](const CalcExample& e, const Experiment& x) {
        EXPECT_TRUE(CheckExample(e, answerFromReadings(e, x))) << SolutionText(e).toStdString();
        const ExperimentReadings r = x.readings(x.lastFrame());
        // A meter's box ends with the example's value, any other box as generated
        // (the mechanics meters show their own decimals).
        for (const Quantity& q : TaskQuantities::of(e.task)) {
            const std::size_t i = static_cast<std::size_t>(q.box - 1);
            if (q.box == 0 || !r.boxes[i] || e.task == CalcTask::LiquidDensity || isMechanics(e.task))
                continue;
            const bool meter = q.given == GivenText::WholeMeter || q.given == GivenText::DecimalMeter;
            EXPECT_EQ(*r.boxes[i], meter ? QuantityTable::valueText(q.read(e.values), q.decimals) : e.boxes[i].text)
                << "box " << i + 1;
        }
        if (const auto* liquid = std::get_if<LiquidDensityValues>(&e.values); liquid && e.asked != 3) {
            EXPECT_EQ(r.boxes[1], FormatFixed(liquid->m2, 2));
        }
        if (e.task == CalcTask::NonUniformMotion && e.asked != 3) {
            EXPECT_EQ(r.finishBoxes[1]->size(), 2);
        }
    });
}

// Every frame: nothing is written into a box the pupil must fill, the scene
// and the readings only grow, from the scene of a new example to the
// example's values.
TEST(ExperimentFrames, FramesGrowFromTheNewExampleToItsValues)
{
    forExamples([](const CalcExample& e, const Experiment& x) {
        const int last = x.lastFrame();
        ASSERT_GT(last, 0);
        std::array<double, 6> before;
        before.fill(-1000);
        double progressBefore = -1000;
        for (int frame = 0; frame <= last; ++frame) {
            SCOPED_TRACE("frame " + std::to_string(frame));
            const ExperimentReadings r = x.readings(frame);
            for (std::size_t i = 0; i < 6; ++i) {
                ASSERT_FALSE(r.boxes[i] && (!e.boxes[i].used || e.boxes[i].text.isEmpty())) << "box " << i + 1;
                if (r.boxes[i]) {
                    ASSERT_TRUE(ParseSingle(*r.boxes[i])) << "box " << i + 1 << ": " << r.boxes[i]->toStdString();
                    EXPECT_GE(number(*r.boxes[i]), before[i]);
                    before[i] = number(*r.boxes[i]);
                }
            }
            ASSERT_FALSE(e.task == CalcTask::NonUniformMotion && e.asked == 3 && r.finishBoxes[0]);
            const ExperimentScene scene = x.scene(frame);
            double progress = 0;
            if (const auto* liquid = std::get_if<LiquidDensityFrame>(&scene)) {
                progress = liquid->liquidMl;
            } else if (const auto* sunk = std::get_if<SolidDensityFrame>(&scene)) {
                const auto& b = std::get<SolidDensityValues>(e.values);
                // The level rises only once the body is in the liquid.
                const double touching = 1 - double(b.V1) / DensityExperiment::kHangingMl;
                EXPECT_EQ(sunk->liquidMl == b.V1, sunk->bodyDrop <= touching + 1e-9);
                progress = 10.0 * sunk->liquidMl + sunk->bodyDrop;
            } else if (const auto* cart = std::get_if<UniformMotionFrame>(&scene)) {
                // A tenth of a metre a frame; only the last step may be shorter.
                const double track = std::get<UniformMotionValues>(e.values).s;
                if (frame < last) {
                    EXPECT_NEAR(cart->travelled * track, frame / 10.0, 1e-4);
                    // The track's box counts the metres with the cart.
                    if (e.asked != 2) {
                        EXPECT_NEAR(number(r.boxes[1].value_or(QString())), frame / 10.0, 1e-4);
                    }
                }
                progress = cart->travelled;
            } else if (const auto* car = std::get_if<NonUniformMotionFrame>(&scene)) {
                EXPECT_TRUE(car->point >= 0 && car->point <= 40 && (car->leg == 1 || car->point > 0));
                progress = 100 * car->leg + car->point;
            } else if (const auto* heat = std::get_if<HeatFrame>(&scene)) {
                const auto& h = std::get<HeatValues>(e.values);
                EXPECT_NEAR(heat->temperature, h.t1 + (h.t2 - h.t1) * heat->glow / 30.0, 1e-9);
                EXPECT_EQ(heat->burning, frame > 0);
                progress = heat->glow;
            } else if (const auto* ice = std::get_if<MeltingFrame>(&scene)) {
                // Ice warms to 0 °C, melts at 0 °C, then the water warms.
                EXPECT_TRUE(ice->melted == 0 || ice->temperature == 0 || ice->melted == 1);
                EXPECT_EQ(ice->burning, frame > 0);
                progress = 1000 * ice->melted + ice->temperature;
            } else if (const auto* circuit = std::get_if<CircuitFrame>(&scene)) {
                if (const auto* energy = std::get_if<ElectricEnergyValues>(&e.values)) {
                    // The clock runs only while the switch is closed.
                    EXPECT_TRUE(circuit->switchClosed == 1 || circuit->minutes == 0 || circuit->minutes == energy->t);
                    progress = 2 * circuit->minutes
                               + (circuit->minutes == energy->t ? 1 - circuit->switchClosed : circuit->switchClosed);
                } else {
                    // The needles move only once the switch is closed.
                    EXPECT_TRUE(circuit->reached == 0 || circuit->switchClosed == 1);
                    progress = circuit->switchClosed + circuit->reached;
                }
            } else if (const auto* press = std::get_if<LiquidPressureFrame>(&scene)) {
                progress = press->lowered;
            } else if (const auto* board = std::get_if<MechanicalWorkFrame>(&scene)) {
                progress = board->travelled;
            } else if (const auto* winch = std::get_if<WinchFrame>(&scene)) {
                progress = winch->lifted;
            } else {
                FAIL() << "no scene";
            }
            if (frame == 0) {
                EXPECT_NEAR(progress, startProgress(e), 1e-9);
            }
            EXPECT_GT(progress, progressBefore);
            progressBefore = progress;
        }
        EXPECT_NEAR(progressBefore, endProgress(e), 1e-9);
    });
}

// The mechanics runs take the time the example names: the body a tenth of a
// metre and the winch a tenth of a second a frame; the weight settles in half
// a second.
TEST(ExperimentFrames, TheMechanicsRunLastsAsLongAsTheExampleSays)
{
    forExamples([](const CalcExample& e, const Experiment& x) {
        const double seconds = x.lastFrame() * x.frameMs() / 1000.0;
        if (std::holds_alternative<LiquidPressureValues>(e.values)) {
            EXPECT_DOUBLE_EQ(seconds, 0.5);
        } else if (const auto* work = std::get_if<MechanicalWorkValues>(&e.values)) {
            EXPECT_EQ(x.lastFrame(), 10 * work->s);
        } else if (const auto* power = std::get_if<WinchPowerValues>(&e.values)) {
            EXPECT_NEAR(seconds, power->t, 1e-4);
        } else if (const auto* energy = std::get_if<WinchEnergyValues>(&e.values)) {
            EXPECT_NEAR(seconds, energy->t, 1e-4);
        }
    });
}

// "2d" asks for both the energy and the power: one right value is not enough.
TEST(ExperimentVerdict, TheWinchEnergyIsRightOnlyWithBothValues)
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

// The car drives at one speed: it reaches E when the clock reads s₁ / v,
// however long the first road is against the second.
TEST(ExperimentFrames, ClockOfTheCarAtTheCrossroads)
{
    NonUniformMotionValues car;
    car.s1 = 24;
    car.s2 = 36;
    car.v = 60;
    car.t = 60;
    CalcExample e = orbeta::test::example(CalcTask::NonUniformMotion, 1, car);
    const Experiment x(e);
    EXPECT_EQ(x.frameMs(), 50u);
    // 24 km at 60 km/h: 24 minutes, frame 32 of 80.
    EXPECT_EQ(x.readings(32).finishBoxes[0], QStringLiteral("0"));
    EXPECT_EQ(x.readings(32).finishBoxes[1], QStringLiteral("24"));
    EXPECT_EQ(x.readings(1).finishBoxes[1], QStringLiteral("01"));
    EXPECT_EQ(x.readings(80).finishBoxes[0], QStringLiteral("1"));
    EXPECT_EQ(x.readings(80).finishBoxes[1], QStringLiteral("00"));
    const NonUniformMotionFrame atE = std::get<NonUniformMotionFrame>(x.scene(32));
    EXPECT_EQ(atE.leg, 1);
    EXPECT_DOUBLE_EQ(atE.point, 40);
    const NonUniformMotionFrame beforeE = std::get<NonUniformMotionFrame>(x.scene(16));
    EXPECT_DOUBLE_EQ(beforeE.point, 20);
    const NonUniformMotionFrame afterE = std::get<NonUniformMotionFrame>(x.scene(56));
    EXPECT_EQ(afterE.leg, 2);
    EXPECT_DOUBLE_EQ(afterE.point, 20);

    // 40/80 of 101 minutes is 50,5: to the even 50.
    car.t = 101;
    e.values = car;
    EXPECT_EQ(Experiment(e).readings(40).finishBoxes[1], QStringLiteral("50"));
}

// -- The protocol: a run of "1d" (frames 0 to 80, 50 ms apart).

namespace {

Experiment carRun()
{
    return Experiment(generated(CalcTask::NonUniformMotion, 7));
}

} // namespace

TEST(ExperimentProtocol, StopKeepsTheFrameAndTheNextStartResumesThere)
{
    Experiment x = carRun();
    x.start(1000);
    EXPECT_TRUE(x.advance(1000 + 25 * 50 + 30));
    EXPECT_EQ(x.shownFrame(), 25);
    x.stop();
    EXPECT_FALSE(x.running());
    EXPECT_EQ(x.currentFrame(), 25);
    EXPECT_FALSE(x.advance(60000));
    EXPECT_EQ(x.shownFrame(), 25);
    x.start(90000);
    EXPECT_EQ(x.shownFrame(), 25);
    EXPECT_FALSE(x.advance(90049));
    EXPECT_TRUE(x.advance(90050));
    EXPECT_EQ(x.shownFrame(), 26);
    EXPECT_FALSE(x.completed());
}

TEST(ExperimentProtocol, LastFrameEndsTheRunAndTheNextStartsFromZero)
{
    Experiment x = carRun();
    x.start(500);
    EXPECT_TRUE(x.advance(500 + 80 * 50 - 1));
    EXPECT_EQ(x.shownFrame(), 79);
    EXPECT_FALSE(x.completed());
    EXPECT_TRUE(x.advance(500 + 80 * 50));
    EXPECT_EQ(x.shownFrame(), 80);
    EXPECT_EQ(x.currentFrame(), 0);
    EXPECT_TRUE(x.completed());
    EXPECT_FALSE(x.running());
    x.start(10000);
    EXPECT_EQ(x.shownFrame(), 0);
    EXPECT_TRUE(x.completed());
}

// However the timer's ticks fall, the frame is the start frame plus the
// whole frame times since the start, and the next due tick never drifts.
TEST(ExperimentProtocol, JitteredAndLateTicksNeverDrift)
{
    for (const std::uint32_t startTick : {0u, 123457u, 0xFFFFFF00u}) {
        for (std::uint64_t seed = 0; seed < 50; ++seed) {
            SCOPED_TRACE("start " + std::to_string(startTick) + " seed " + std::to_string(seed));
            RandomSource rnd(seed);
            Experiment x = carRun();
            x.start(startTick);
            std::uint32_t now = startTick;
            while (x.running()) {
                const std::uint32_t due = x.nextDue();
                const int before = x.shownFrame();
                // Mostly a little late or early; now and then very late.
                now += std::uint32_t(rnd.IntRnd(rnd.IntRnd(10, 1) == 1 ? 700 : 90, 1));
                const bool changed = x.advance(now);
                ASSERT_EQ(x.shownFrame(), std::min<int>(80, int((now - startTick) / 50)));
                ASSERT_EQ(changed, std::int32_t(now - due) >= 0);
                ASSERT_EQ(changed, x.shownFrame() != before);
                if (x.running()) {
                    ASSERT_EQ(x.nextDue(), startTick + std::uint32_t(x.shownFrame() + 1) * 50);
                }
            }
            EXPECT_TRUE(x.completed());
        }
    }
}

TEST(ExperimentProtocol, TickFromBeforeTheStartShowsTheStartFrame)
{
    Experiment x = carRun();
    x.start(5000);
    EXPECT_FALSE(x.advance(4990));
    EXPECT_EQ(x.shownFrame(), 0);
    EXPECT_TRUE(x.running());
    EXPECT_FALSE(x.completed());
}

// Ohm's law and the power input: when the run ends the meters' readings go
// into the boxes not asked, and a given resistance or power into its own box
// (its placeholder "0" would contradict the label in the picture).
// "5b": the clock shows the working time, the plate is left alone.
TEST(ExperimentFrames, CircuitsFillTheBoxesNotAsked)
{
    struct Case {
        CalcTask task;
        int asked;
        std::array<bool, 3> written;  // boxes 1 (I), 2 (R or P), 3 (U)
    };
    const Case cases[] = {
        {CalcTask::OhmsLaw, 1, {true, false, true}},      {CalcTask::OhmsLaw, 2, {false, true, true}},
        {CalcTask::OhmsLaw, 3, {true, true, false}},      {CalcTask::ElectricPower, 1, {true, false, true}},
        {CalcTask::ElectricPower, 2, {false, true, true}}, {CalcTask::ElectricPower, 3, {true, true, false}},
    };
    for (const Case& c : cases) {
        for (std::uint64_t seed = 0; seed < 200; ++seed) {
            const CalcExample e = generated(c.task, seed);
            if (e.asked != c.asked)
                continue;
            const Experiment x(e);
            const ExperimentReadings r = x.readings(x.lastFrame());
            // While the needles rise only the meters read; the label's value comes at the end.
            const ExperimentReadings rising =
                x.readings(CircuitExperiment::kSwitchFrames + CircuitExperiment::kRisingFrames / 2);
            for (std::size_t i = 0; i < 3; ++i) {
                EXPECT_EQ(r.boxes[i].has_value(), c.written[i]) << calcTaskCode(c.task).toStdString() << " variant "
                                                                << c.asked << " box " << i + 1;
                EXPECT_EQ(rising.boxes[i].has_value(), c.written[i] && i != 1) << "rising, box " << i + 1;
            }
            break;
        }
    }
    const CalcExample energy = generated(CalcTask::ElectricEnergy, 3);
    const auto& v = std::get<ElectricEnergyValues>(energy.values);
    const Experiment x(energy);
    EXPECT_EQ(x.frameMs(), 50u);
    EXPECT_LE(x.lastFrame(), 60);
    const ExperimentReadings start = x.readings(0);
    const ExperimentReadings end = x.readings(x.lastFrame());
    EXPECT_EQ(start.finishBoxes[1], QStringLiteral("00"));
    EXPECT_EQ(end.finishBoxes[0], QString::number(v.hours));
    EXPECT_EQ(end.finishBoxes[1], QStringLiteral("%1").arg(v.minutes, 2, 10, QLatin1Char('0')));
    for (const auto& box : end.boxes)
        EXPECT_FALSE(box.has_value());
}
