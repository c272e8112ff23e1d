// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/grading/CheckExample.h"
#include "calc/rules/LeverTask.h"
#include "calc/data/CalcTaskFiles.h"
#include "calc/rules/GenerateExample.h"
#include "calc/basics/NumberText.h"
#include "calc/grading/SolutionText.h"
#include "tests/support/CalcTestTables.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <set>

using namespace orbeta;
using orbeta::test::generated;
using orbeta::test::tableFor;

namespace {

constexpr int kSeeds = 1500;

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

template <class Values>
void forSeeds(CalcTask task, const std::function<void(const CalcExample&, const Values&)>& check)
{
    for (std::uint64_t seed = 0; seed < kSeeds; ++seed) {
        const CalcExample e = generated(task, seed);
        SCOPED_TRACE("seed " + std::to_string(seed));
        check(e, std::get<Values>(e.values));
        if (testing::Test::HasFailure())
            return;
    }
}

bool onStep(double value, double low, double high, double step)
{
    const double n = (value - low) / step;
    return value >= low - 1e-6 && value <= high + 1e-6 && std::abs(n - std::round(n)) < 1e-4;
}

// The value as the pupil reads it: the decimal that the float stands for.
double d(float value)
{
    return QString::number(value, 'g', 7).toDouble();
}

QString typed(double value)
{
    return FormatFixed(value, 3);
}

int rowOf(const ExampleTable& table, double value)
{
    for (int row = 1; row <= table.rows(); ++row)
        if (std::abs(table.value(row) - value) < 1e-4)
            return row;
    return 0;
}

// What a pupil who computes from the given quantities enters, after running
// the experiment (so the measured boxes show their values).
CalcAnswer answerFromPhysics(const CalcExample& e, const ExampleTable& table = {})
{
    CalcAnswer a;
    for (std::size_t i = 0; i < 6; ++i)
        a.boxes[i] = e.boxes[i].text;
    const int k = e.asked.value_or(0);
    const ExampleTable& given = table.rows() > 0 ? table : tableFor(e.task);
    auto box = [&a](int n) -> QString& { return a.boxes[static_cast<std::size_t>(n - 1)]; };
    // Variant k asks for one box: its number and the value computed for it, per variant.
    auto fill = [&](const std::array<std::pair<int, double>, 3>& byVariant) {
        const auto& [n, value] = byVariant[static_cast<std::size_t>(k - 1)];
        box(n) = typed(value);
    };
    std::visit(
        Overloaded{
            [&](const LiquidDensityValues& x) {
                if (k == 1)
                    box(3) = typed((d(x.m2) - d(x.m1)) / d(x.rho));
                else if (k == 2)
                    a.markedRow = rowOf(given, (d(x.m2) - d(x.m1)) / d(x.V));
                else
                    box(2) = typed(x.m1 + d(x.rho) * d(x.V));
            },
            [&](const SolidDensityValues& x) {
                if (k == 1)
                    a.markedRow = rowOf(given, d(x.m) / (d(x.V2) - d(x.V1)));
                else if (k == 2)
                    box(1) = typed(x.rho * (d(x.V2) - d(x.V1)));
                else
                    box(3) = typed(x.V1 + d(x.m) / d(x.rho));
            },
            [&](const UniformMotionValues& x) { fill({{{1, x.s / d(x.t)}, {2, x.v * d(x.t)}, {3, x.s / d(x.v)}}}); },
            [&](const NonUniformMotionValues& x) {
                if (k == 1) {
                    const double v = (x.s1 + x.s2) * 60.0 / x.t;
                    for (int row = 1; row <= 3; ++row)
                        if (x.speeds[static_cast<std::size_t>(row - 1)] == v)
                            a.markedRow = row;
                } else if (k == 2) {
                    const double driven = x.v * x.t / 60.0;
                    const bool start = x.askedCity == x.startCity;
                    box(x.askedCity) = typed(driven - (start ? x.s2 : x.s1));
                } else {
                    const int minutes = int(std::lround((x.s1 + x.s2) * 60.0 / x.v));
                    a.finishBoxes = {QString::number(minutes / 60), QString::number(minutes % 60)};
                }
            },
            [&](const LiquidPressureValues& x) { fill({{{2, x.m / d(x.S)}, {1, x.p * d(x.S)}, {3, x.m / d(x.p)}}}); },
            [&](const MechanicalWorkValues& x) {
                fill({{{3, x.F * d(x.s)}, {2, double(d(x.W)) / d(x.s)}, {1, double(d(x.W)) / d(x.F)}}});
            },
            [&](const WinchPowerValues& x) {
                fill({{{1, x.P * d(x.t)}, {4, x.W / d(x.t)}, {3, double(d(x.W)) / d(x.P)}}});
            },
            [&](const WinchEnergyValues& x) {
                box(2) = typed(x.m * 10 * d(x.h));
                box(5) = typed(x.m * 10 * d(x.h) / d(x.t));
            },
            [&](const LeverValues& x) {
                a.lever = InitialLever(x);
                const int missing = LeftMoment(a.lever) - RightMoment(a.lever);
                if (k % 2 == 1) {
                    const int mark = x.placedMark();
                    for (int i = 0; i < x.offeredCount; ++i)
                        if (x.offered[static_cast<std::size_t>(i)] * mark == missing)
                            a.lever[static_cast<std::size_t>(6 + mark)] = x.offered[static_cast<std::size_t>(i)];
                } else {
                    for (int mark = -6; mark <= 6; ++mark)
                        if (mark != 0 && x.placedWeight() * mark == missing
                            && a.lever[static_cast<std::size_t>(6 + mark)] == 0)
                            a.lever[static_cast<std::size_t>(6 + mark)] = x.placedWeight();
                }
            },
            [&](const HeatValues& x) {
                box(4) = typed(given.value(e.shownRow) * d(x.m) * (d(x.t2) - d(x.t1)));
            },
            [&](const MeltingValues& x) {
                box(4) = typed(x.m * (given.value(1) * -d(x.t1) + given.value(4) + given.value(2) * d(x.t2)));
            },
            [&](const OhmsLawValues& x) { fill({{{2, x.U / d(x.I)}, {1, x.U / d(x.R)}, {3, x.R * d(x.I)}}}); },
            [&](const ElectricEnergyValues& x) { box(1) = typed(x.P * d(x.t) / 60.0 / 1000.0); },
            [&](const ElectricPowerValues& x) { fill({{{2, x.U * d(x.I)}, {1, x.P / d(x.U)}, {3, x.P / d(x.I)}}}); },
            [&](const SeriesResistorsValues& x) {
                const double values[] = {d(x.U1) / d(x.R1), d(x.U1) / d(x.I), d(x.U2) / d(x.I), d(x.R1) * d(x.I), d(x.R2) * d(x.I)};
                box(k) = typed(values[k - 1]);
            },
            [&](const ParallelResistorsValues& x) {
                // The experiment shows the given quantities in the boxes.
                box(1) = FormatFixed(x.R1, 0);
                box(2) = FormatFixed(x.R2, 0);
                box(3) = FormatFixed(x.U, 1);
                box(4) = FormatFixed(x.I1, 1);
                box(5) = FormatFixed(x.I2, 1);
                const double computed[] = {d(x.U) / d(x.I1), d(x.U) / d(x.I2), d(x.R1) * d(x.I1), d(x.U) / d(x.R1), d(x.U) / d(x.R2)};
                box(k) = typed(computed[k - 1]);
                box(6) = typed(x.U / d(x.R1) + d(x.U) / d(x.R2));
            },
        },
        e.values);
    return a;
}

// The box or boxes the pupil filled differ in one place from the right answer.
CalcAnswer spoiled(const CalcExample& e, CalcAnswer a)
{
    for (std::size_t i = 0; i < 6; ++i)
        if (e.boxes[i].used && e.boxes[i].text.isEmpty()) {
            a.boxes[i] = typed(ParseSingle(a.boxes[i]).value_or(0) + 0.001);
            return a;
        }
    if (e.tableActive()) {
        a.markedRow = a.markedRow % e.tableRows + 1;
        return a;
    }
    if (e.task == CalcTask::NonUniformMotion) {
        a.finishBoxes[1] = QString::number(ParseWhole(a.finishBoxes[1]).value_or(0) + 1);
        return a;
    }
    a.lever = InitialLever(std::get<LeverValues>(e.values));
    return a;
}

} // namespace

TEST(GenerateExample, SameSeedGivesSameExampleAndSeedsDiffer)
{
    for (CalcTask task : kAllCalcTasks) {
        SCOPED_TRACE(calcTaskCode(task).toStdString());
        std::set<QString> solutions;
        for (std::uint64_t seed = 0; seed < 40; ++seed) {
            const CalcExample a = generated(task, seed);
            const CalcExample b = generated(task, seed);
            for (std::size_t i = 0; i < 6; ++i)
                EXPECT_EQ(a.boxes[i].text, b.boxes[i].text);
            EXPECT_EQ(a.asked, b.asked);
            EXPECT_EQ(SolutionText(a), SolutionText(b));
            solutions.insert(SolutionText(a));
        }
        EXPECT_GT(solutions.size(), 5u);
    }
}

TEST(GenerateExample, ComputedAnswersAreRightAndAnyDeviationIsWrong)
{
    for (CalcTask task : kAllCalcTasks) {
        SCOPED_TRACE(calcTaskCode(task).toStdString());
        for (std::uint64_t seed = 0; seed < kSeeds; ++seed) {
            const CalcExample e = generated(task, seed);
            const CalcAnswer right = answerFromPhysics(e);
            ASSERT_TRUE(CheckExample(e, right)) << "seed " << seed << ": " << SolutionText(e).toStdString();
            ASSERT_FALSE(CheckExample(e, spoiled(e, right))) << "seed " << seed;
        }
    }
}

// What the scenes need beyond a right answer: values that fit the drawn
// apparatus, exact results, every table row in use.
TEST(GenerateExample, LiquidDensityFitsTheScaleAndUsesEveryRow)
{
    std::set<int> rows;
    forSeeds<LiquidDensityValues>(CalcTask::LiquidDensity, [&](const CalcExample& e, const LiquidDensityValues& x) {
        EXPECT_EQ(x.rho, static_cast<float>(orbeta::test::liquidTable().value(e.tableRow)));
        EXPECT_LT(x.m2, 1000.0f);
        EXPECT_TRUE(onStep(x.m1, 100, 200, 1)) << x.m1;
        EXPECT_EQ(e.shownRow, e.asked == 2 ? 0 : e.tableRow);
        EXPECT_EQ(e.tableActive(), e.asked == 2);
        // The scale shows the empty cylinder until the liquid is poured in.
        if (e.asked != 3) {
            EXPECT_EQ(e.boxes[1].text, e.boxes[0].text);
        }
        rows.insert(e.tableRow);
    });
    EXPECT_EQ(rows.size(), 8u);
}

TEST(GenerateExample, HeaviestLiquidStillFitsTheScale)
{
    const ExampleTable mercury(std::vector<double>(9, 13.55));
    float heaviest = 0;
    for (std::uint64_t seed = 0; seed < 2000; ++seed) {
        RandomSource rnd(seed);
        heaviest = std::max(heaviest, std::get<LiquidDensityValues>(GenerateExample(CalcTask::LiquidDensity, mercury, rnd).values).m2);
    }
    EXPECT_LT(heaviest, 1000.0f);
    EXPECT_GT(heaviest, 950.0f);
}

TEST(GenerateExample, SolidDensityNeverOverflowsTheCylinder)
{
    std::set<int> bodies;
    forSeeds<SolidDensityValues>(CalcTask::SolidDensity, [&](const CalcExample& e, const SolidDensityValues& x) {
        EXPECT_EQ(x.V2, x.V1 + x.Vt);
        EXPECT_LT(x.V2, 200);
        EXPECT_EQ(x.rho, static_cast<float>(orbeta::test::solidTable().value(e.tableRow)));
        EXPECT_NEAR(x.m, x.Vt * x.rho, 0.05);
        EXPECT_EQ(e.fillLevel, x.V1);
        EXPECT_EQ(e.tableActive(), e.asked == 1);
        bodies.insert(x.body);
    });
    EXPECT_EQ(bodies, (std::set<int>{1, 2, 3}));
}

TEST(GenerateExample, NonUniformMotionArrivesOnAWholeMinute)
{
    std::set<int> askedCities;
    std::array<std::set<int>, 3> speeds;
    std::set<int> roads;
    forSeeds<NonUniformMotionValues>(CalcTask::NonUniformMotion, [&](const CalcExample& e, const NonUniformMotionValues& x) {
        EXPECT_NE(x.startCity, x.targetCity);
        for (std::size_t row = 0; row < 3; ++row)
            speeds[row].insert(x.speeds[row]);
        roads.insert(x.roads.begin(), x.roads.end());
        EXPECT_EQ(x.v, x.speeds[static_cast<std::size_t>(e.tableRow - 1)]);
        EXPECT_EQ(x.s1, x.roads[static_cast<std::size_t>(x.startCity - 1)]);
        EXPECT_EQ(x.s2, x.roads[static_cast<std::size_t>(x.targetCity - 1)]);
        // The car covers exactly s1 + s2 in t whole minutes.
        EXPECT_EQ(x.v * x.t, 60 * (x.s1 + x.s2));
        EXPECT_EQ(x.t * (x.s1 + x.s2) % 60, 0);
        // The pupil types the arrival time into an empty clock.
        EXPECT_EQ(e.finishBoxes[0], e.asked == 3 ? QString() : QStringLiteral("0"));
        EXPECT_EQ(e.finishBoxes[1], e.asked == 3 ? QString() : QStringLiteral("00"));
        if (e.asked == 2) {
            EXPECT_TRUE(x.askedCity == x.startCity || x.askedCity == x.targetCity);
            for (int city = 1; city <= 4; ++city)
                EXPECT_EQ(e.boxes[static_cast<std::size_t>(city - 1)].text.isEmpty(), city == x.askedCity);
            askedCities.insert(x.askedCity == x.startCity ? 1 : 2);
        } else {
            EXPECT_EQ(x.askedCity, 0);
        }
    });
    EXPECT_EQ(askedCities.size(), 2u);
    // The speed bands of the three vehicles never meet, so the speed names
    // the row; each vehicle drives at every speed of its band.
    EXPECT_EQ(speeds[0], (std::set<int>{48, 49, 50, 51, 52}));
    EXPECT_EQ(speeds[1], (std::set<int>{53, 54, 55, 56, 57, 58}));
    EXPECT_EQ(speeds[2], (std::set<int>{59, 60, 61, 62, 63, 64, 65}));
    EXPECT_EQ(*roads.begin(), 20);
    EXPECT_EQ(*roads.rbegin(), 50);
}

// Work and energy stay within a 16-bit whole number and come out exact.
TEST(GenerateExample, WinchResultsAreExactAndFitSixteenBits)
{
    forSeeds<WinchPowerValues>(CalcTask::WinchPower, [](const CalcExample&, const WinchPowerValues& x) {
        EXPECT_EQ(x.W * 10, x.P * int(std::lround(x.t * 10)));
        EXPECT_LE(x.W, 32000);
    });
    forSeeds<WinchEnergyValues>(CalcTask::WinchEnergy, [](const CalcExample&, const WinchEnergyValues& x) {
        EXPECT_NEAR(x.h, x.v * x.t, 1e-4);
        EXPECT_LE(x.W, 32000);
        EXPECT_NEAR(x.W, x.h * x.m * 10, 1e-2);
        EXPECT_EQ(x.P, std::lround(x.W / x.t));
    });
}

TEST(GenerateExample, LeverBalancesWithDistinctWeightsAndAFairOffer)
{
    forSeeds<LeverValues>(CalcTask::Lever, [](const CalcExample& e, const LeverValues& x) {
        const int k = *e.asked;
        ASSERT_EQ(x.count, k <= 2 ? 2 : 3);
        int left = 0;
        int right = 0;
        std::set<int> weights;
        for (int i = 0; i < x.count; ++i) {
            const int w = x.weights[static_cast<std::size_t>(i)];
            const int p = x.marks[static_cast<std::size_t>(i)];
            EXPECT_TRUE(onStep(w, 1, 20, 1));
            EXPECT_TRUE(onStep(std::abs(p), 1, 6, 1));
            (p < 0 ? left : right) += w * std::abs(p);
            weights.insert(w);
        }
        EXPECT_EQ(left, right);
        EXPECT_EQ(int(weights.size()), x.count);
        // Weights on one side never share a mark.
        if (k <= 2) {
            EXPECT_NE(-x.marks[0], x.marks[1]);
        } else if (k <= 4) {
            EXPECT_GT(x.marks[1], 0);
            EXPECT_NE(x.marks[1], x.marks[2]);
        } else {
            EXPECT_LT(x.marks[1], 0);
            EXPECT_NE(x.marks[0], x.marks[1]);
        }
        if (k % 2 == 1) {
            ASSERT_EQ(x.offeredCount, 3);
            const std::set<int> offered(x.offered.begin(), x.offered.end());
            EXPECT_EQ(offered.size(), 3u);
            EXPECT_EQ(offered.count(x.placedWeight()), 1u);
            for (int i = 0; i + 1 < x.count; ++i)
                EXPECT_EQ(offered.count(x.weights[static_cast<std::size_t>(i)]), 0u);
        } else {
            ASSERT_EQ(x.offeredCount, 1);
            EXPECT_EQ(x.offered[0], x.placedWeight());
        }
        EXPECT_FALSE(CheckExample(e, CalcAnswer{.lever = InitialLever(x)}));
    });
}

TEST(GenerateExample, HeatAndMeltingKeepThreeDecimals)
{
    std::set<int> rows;
    forSeeds<HeatValues>(CalcTask::Heat, [&](const CalcExample& e, const HeatValues& x) {
        EXPECT_EQ(x.c, static_cast<float>(orbeta::test::heatTable().value(e.tableRow)));
        EXPECT_EQ(e.shownRow, e.tableRow);
        const double exact = orbeta::test::heatTable().value(e.tableRow) * std::lround(x.m * 10) / 10 * (x.t2 - x.t1);
        EXPECT_EQ(x.Q, static_cast<float>(RoundHalfEven(exact, 3)));
        EXPECT_NEAR(exact * 1000, std::round(exact * 1000), 1e-6);
        // Before the run the box by the thermometer reads what the thermometer shows.
        EXPECT_EQ(e.boxes[2].text, QString::number(x.t1));
        rows.insert(e.tableRow);
    });
    EXPECT_EQ(rows.size(), 5u);
    forSeeds<MeltingValues>(CalcTask::Melting, [](const CalcExample& e, const MeltingValues& x) {
        EXPECT_EQ(e.boxes[2].text, QString::number(x.t1));
        EXPECT_LT(x.t1, 0);
        EXPECT_GT(x.t2, 0);
        // Q in hundredths of a kJ, exactly.
        const int hundredths = x.m * (209 * -x.t1 + 33400 + 418 * x.t2);
        EXPECT_EQ(x.Q, static_cast<float>(hundredths / 100.0));
    });
}

// The key and the judgement take the constants of "3b" from the tables the
// form shows, edited or not.
TEST(GenerateExample, MeltingComputesWithTheNumbersItsTablesShow)
{
    const ExampleTable edited({0, 9.99, 4.5, 0, 300});
    for (std::uint64_t seed = 0; seed < 300; ++seed) {
        RandomSource rnd(seed);
        const CalcExample e = GenerateExample(CalcTask::Melting, edited, rnd);
        const auto& x = std::get<MeltingValues>(e.values);
        SCOPED_TRACE("seed " + std::to_string(seed));
        ASSERT_EQ(x.c1, 9.99f);
        ASSERT_EQ(x.c2, 4.5f);
        ASSERT_EQ(x.l, 300.0f);
        ASSERT_TRUE(CheckExample(e, answerFromPhysics(e, edited))) << SolutionText(e).toStdString();
        ASSERT_FALSE(CheckExample(e, answerFromPhysics(e, orbeta::test::meltingTable())));
    }
}

TEST(GenerateExample, CircuitsAreConsistent)
{
    std::set<int> times;
    forSeeds<ElectricEnergyValues>(CalcTask::ElectricEnergy, [&](const CalcExample& e, const ElectricEnergyValues& x) {
        EXPECT_EQ(x.t, 60 * x.hours + x.minutes);
        EXPECT_EQ(e.startBoxes[0], QStringLiteral("230"));
        EXPECT_EQ(e.startBoxes[1], QString::number(x.P));
        times.insert(x.t);
    });
    EXPECT_EQ(times, (std::set<int>{20, 40, 80, 100}));
    // The values the circuits are drawn with.
    forSeeds<OhmsLawValues>(CalcTask::OhmsLaw, [](const CalcExample&, const OhmsLawValues& x) {
        EXPECT_TRUE(onStep(x.R, 10, 90, 10)) << x.R;
        EXPECT_TRUE(onStep(x.I, 0.1, 0.9, 0.1)) << x.I;
    });
    forSeeds<ElectricPowerValues>(CalcTask::ElectricPower, [](const CalcExample&, const ElectricPowerValues& x) {
        EXPECT_TRUE(onStep(x.I, 0.5, 2.5, 0.5)) << x.I;
        EXPECT_LT(x.P, 100.0f);
        EXPECT_EQ(x.P, x.U * x.I);
    });
    forSeeds<ParallelResistorsValues>(CalcTask::ParallelResistors, [](const CalcExample&, const ParallelResistorsValues& x) {
        EXPECT_NE(x.R1, x.R2);
        EXPECT_NEAR(x.U, x.R1 * x.I1, 1e-4);
        EXPECT_NEAR(x.U, x.R2 * x.I2, 1e-4);
        EXPECT_NEAR(x.I, x.I1 + x.I2, 1e-6);
    });
}

TEST(GenerateExample, InstalledTablesServeEveryRow)
{
    for (CalcTask task : {CalcTask::LiquidDensity, CalcTask::SolidDensity, CalcTask::Heat}) {
        SCOPED_TRACE(calcTaskCode(task).toStdString());
        const auto files = CalcTaskFiles::read(task, qEnvironmentVariable("ORBETA_BUILD_DIR") + QStringLiteral("/hd/"));
        ASSERT_TRUE(files.ok()) << files.error().message().toStdString();
        const ExampleTable& table = files.value().numbers;
        std::set<int> seen;
        for (std::uint64_t seed = 0; seed < 1000; ++seed) {
            RandomSource rnd(seed);
            const CalcExample e = GenerateExample(task, table, rnd);
            seen.insert(e.tableRow);
            ASSERT_TRUE(CheckExample(e, answerFromPhysics(e, table))) << SolutionText(e).toStdString();
        }
        EXPECT_EQ(int(seen.size()), ExampleTable::rowsNeeded(task));
    }
}
