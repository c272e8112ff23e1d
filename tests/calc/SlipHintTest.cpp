// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The line under the solution after a wrong check: which slip explains the
// typed value, named by the symbol of the box it is about, and silence when
// none does.
#include "calc/grading/SlipHint.h"

#include "calc/basics/NumberText.h"
#include "tests/support/CalcTestTables.h"

#include <gtest/gtest.h>

using namespace orbeta;
using orbeta::test::example;

namespace {

const QString kNothing;
const QString kUnitsGKg = QStringLiteral("pozor na jednotky g a kg.");
const QString kUnitsMlL = QStringLiteral("pozor na jednotky ml a l.");
const QString kUnitsMKm = QStringLiteral("pozor na jednotky m a km.");
const QString kUnitsSH = QStringLiteral("pozor na jednotky s a h.");
const QString kUnitsMinH = QStringLiteral("pozor na jednotky min a h.");
const QString kInverted = QStringLiteral("vymeň delenec a deliteľ.");
const QString kRoundedResult = QStringLiteral("výsledok napíš presnejšie.");
const QString kRoundedIntermediate = QStringLiteral("nezaokrúhľuj medzivýsledok.");
const QString kNegativeClock = QStringLiteral("hodiny a minúty nie sú záporné.");

QString timesLarger(int factor)
{
    return QStringLiteral("výsledok je %1-krát väčší.").arg(factor);
}

QString timesSmaller(int factor)
{
    return QStringLiteral("výsledok je %1-krát menší.").arg(factor);
}

// The slip without the symbol that names its box ("W: ").
QString slipOf(const QString& line)
{
    const qsizetype colon = line.indexOf(QStringLiteral(": "));
    return colon < 0 ? line : line.mid(colon + 2);
}

// 150 g cylinder, 120 ml of a liquid of 1,26 g/cm³: 301,2 g.
CalcExample liquid(int asked)
{
    return example(CalcTask::LiquidDensity, asked, LiquidDensityValues{150, 1.26f, 120, 301.2f});
}

// 50 ml of 2,7 g/cm³ (135 g) sunk in 60 ml: 110 ml.
CalcExample solid(int asked)
{
    return example(CalcTask::SolidDensity, asked, SolidDensityValues{2.7f, 50, 60, 110, 135, 1});
}

// 0,7 m/s for 3,3 s: 2,31 m.
CalcExample cart(int asked)
{
    return example(CalcTask::UniformMotion, asked, UniformMotionValues{0.7f, 2.31f, 3.3f});
}

// From city 2 (40 km to E) to city 4 (50 km) at 54 km/h: 100 minutes, 1,67 h.
CalcExample car(int asked, int askedCity = 0)
{
    NonUniformMotionValues x;
    x.startCity = 2;
    x.targetCity = 4;
    x.roads = {31, 40, 25, 50};
    x.speeds = {50, 54, 60};
    x.v = 54;
    x.s1 = 40;
    x.s2 = 50;
    x.t = 100;
    x.askedCity = askedCity;
    return example(CalcTask::NonUniformMotion, asked, x);
}

// 30 Ω at 0,4 A: 12 V.
CalcExample ohm(int asked)
{
    return example(CalcTask::OhmsLaw, asked, OhmsLawValues{30, 0.4f, 12});
}

// 40 Ω and 20 Ω in series at 0,5 A: 20 V and 10 V.
CalcExample series(int asked)
{
    return example(CalcTask::SeriesResistors, asked, SeriesResistorsValues{40, 20, 0.5f, 20, 10});
}

// 27 Ω beside 63 Ω at 18,9 V: 0,7 A and 0,3 A.
CalcExample parallel(int asked)
{
    return example(CalcTask::ParallelResistors, asked, ParallelResistorsValues{27, 63, 18.9f, 0.7f, 0.3f, 1});
}

// 1500 W for 1 h 20 min: 2 kWh.
CalcExample appliance()
{
    return example(CalcTask::ElectricEnergy, std::nullopt, ElectricEnergyValues{1500, 1, 20, 80, 2});
}

CalcAnswer inBox(int box, const QString& text)
{
    CalcAnswer a;
    a.boxes[static_cast<std::size_t>(box - 1)] = text;
    return a;
}

CalcAnswer onClock(const QString& hours, const QString& minutes)
{
    return CalcAnswer{.finishBoxes = {hours, minutes}};
}

struct SlipCase {
    const char* name;
    CalcExample example;
    CalcAnswer answer;
    QString line;
};

} // namespace

TEST(SlipHint, OneRowPerSlip)
{
    const SlipCase cases[] = {
        // "1a": V (box 3) = (m2 − m1) / ρ, m2 (box 2) = m1 + ρ · V
        {"1a V in litres", liquid(1), inBox(3, "0,12"), kUnitsMlL},
        {"1a V a tenth", liquid(1), inBox(3, "12"), timesSmaller(10)},
        {"1a V ten times", liquid(1), inBox(3, "1200"), timesLarger(10)},
        {"1a V as rho / (m2 - m1)", liquid(1), inBox(3, "0,0083"), kInverted},
        {"1a m2 in kilograms", liquid(3), inBox(2, "0,3012"), kUnitsGKg},
        {"1a m2 rounded to grams", liquid(3), inBox(2, "301"), kRoundedResult},
        {"1a random wrong", liquid(1), inBox(3, "95"), kNothing},
        {"1a empty", liquid(1), inBox(3, ""), kNothing},
        {"1a no number", liquid(1), inBox(3, "1-2"), kNothing},
        {"1a right", liquid(1), inBox(3, "120"), kNothing},
        {"1a rho is marked, no box", liquid(2), CalcAnswer{.markedRow = 3}, kNothing},
        // "1b": m (box 1) = ρ · (V2 − V1), V2 (box 3) = V1 + m / ρ
        {"1b m a thousandth", solid(2), inBox(1, "0,135"), kUnitsGKg},
        {"1b m a hundredth", solid(2), inBox(1, "1,35"), timesSmaller(100)},
        {"1b m a thousand times", solid(2), inBox(1, "135000"), kUnitsGKg},
        {"1b V2 in litres", solid(3), inBox(3, "0,11"), kUnitsMlL},
        {"1b V2 with rho / m", solid(3), inBox(3, "60,02"), kInverted},
        {"1b V2 random wrong", solid(3), inBox(3, "170"), kNothing},
        {"1b m right", solid(2), inBox(1, "135,0"), kNothing},
        // "1c": v (box 1) = s / t, s (box 2) = v · t, t (box 3) = s / v
        {"1c v as t / s", cart(1), inBox(1, "1,43"), kInverted},
        {"1c v ten times", cart(1), inBox(1, "7"), timesLarger(10)},
        {"1c v a thousand times", cart(1), inBox(1, "700"), timesLarger(1000)},
        {"1c v rounded to whole", cart(1), inBox(1, "1"), kRoundedResult},
        {"1c s in kilometres", cart(2), inBox(2, "0,00231"), kUnitsMKm},
        {"1c s rounded", cart(2), inBox(2, "2,3"), kRoundedResult},
        {"1c s a hundred times", cart(2), inBox(2, "231"), timesLarger(100)},
        {"1c t as v / s", cart(3), inBox(3, "0,3"), kInverted},
        {"1c t in hours", cart(3), inBox(3, "0,00092"), kUnitsSH},
        {"1c t random wrong", cart(3), inBox(3, "5,1"), kNothing},
        {"1c t right", cart(3), inBox(3, "3,30"), kNothing},
        {"1c v of 0,1 typed 0: rounded, not a thousandth",
         example(CalcTask::UniformMotion, 1, UniformMotionValues{0.1f, 0.35f, 3.5f}), inBox(1, "0"), kRoundedResult},
        // "1d": the asked road (its city's box) = v · t − the other road; t = (s1 + s2) / v
        {"1d road in metres", car(2, 2), inBox(2, "40000"), kUnitsMKm},
        {"1d road a tenth", car(2, 2), inBox(2, "4"), timesSmaller(10)},
        {"1d road with t rounded up to 1,7 h", car(2, 2), inBox(2, "41,8"), kRoundedIntermediate},
        {"1d road with t cut to 1,6 h", car(2, 2), inBox(2, "36,4"), kRoundedIntermediate},
        {"1d road with t rounded to 2 h", car(2, 2), inBox(2, "58"), kRoundedIntermediate},
        {"1d target road with t at 1,7 h", car(2, 4), inBox(4, "51,8"), kRoundedIntermediate},
        {"1d road random wrong", car(2, 2), inBox(2, "25"), kNothing},
        {"1d road right", car(2, 4), inBox(4, "50"), kNothing},
        {"1d road in another city's box", car(2, 2), inBox(4, "50000"), kNothing},
        {"1d hours' decimals as minutes", car(3), onClock("1", "67"), kUnitsMinH},
        {"1d minutes as hours", car(3), onClock("100", "0"), kUnitsMinH},
        {"1d time as v / s", car(3), onClock("0", "36"), kInverted},
        {"1d time from 1,7 h", car(3), onClock("1", "42"), kRoundedIntermediate},
        {"1d time from 2 h", car(3), onClock("2", "0"), kRoundedIntermediate},
        {"1d time random wrong", car(3), onClock("1", "55"), kNothing},
        {"1d time minutes empty", car(3), onClock("1", ""), kNothing},
        {"1d time right", car(3), onClock("1", "40"), kNothing},
        {"1d time right in minutes", car(3), onClock("0", "100"), kNothing},
        {"1d time with negative hours", car(3), onClock("-1", "160"), kNegativeClock},
        // The circuits: each quotient divided the wrong way round.
        {"5a R as I / U", ohm(1), inBox(2, "0,033"), kInverted},
        {"5a I as R / U", ohm(2), inBox(1, "2,5"), kInverted},
        {"5a U ten times", ohm(3), inBox(3, "120"), timesLarger(10)},
        {"5a U right", ohm(3), inBox(3, "12"), kNothing},
        {"5c I as U / P",
         example(CalcTask::ElectricPower, 2, ElectricPowerValues{20, 2.5f, 50}), inBox(1, "0,4"), kInverted},
        {"5d I as R1 / U1", series(1), inBox(1, "2"), kInverted},
        {"5d R2 as I / U2", series(3), inBox(3, "0,05"), kInverted},
        {"5d U1 random wrong", series(4), inBox(4, "14"), kNothing},
        {"5e I1 as R1 / U", parallel(4), CalcAnswer{.boxes = {"27", "63", "18,9", "1,43", "0,3", "1"}}, kInverted},
        {"5e right", parallel(4), CalcAnswer{.boxes = {"27", "63", "18,9", "0,7", "0,3", "1"}}, kNothing},
        {"5b E with 1,3 h", appliance(), inBox(1, "1,95"), kRoundedIntermediate},
        {"5b E in Wh", appliance(), inBox(1, "2000"), timesLarger(1000)},
    };
    for (const SlipCase& c : cases) {
        const QString line = SlipHint(c.example, c.answer);
        EXPECT_EQ(slipOf(line).toStdString(), c.line.toStdString()) << c.name;
        // The line goes into a small bubble.
        EXPECT_LE(line.size(), 34) << c.name;
    }
}

// The line names the box the slip is about by its symbol, also where a task
// asks two quantities ("2d"); a quotient divided the wrong way round is named
// as such even when it is also a power of ten off.
TEST(SlipHint, TheLineNamesTheBoxAndTheSwappedQuotientFirst)
{
    const auto inverted = [](const char* symbol) { return QString::fromUtf8(symbol) + QStringLiteral(": ") + kInverted; };
    const auto both = [](const char* work, const char* power) {
        CalcAnswer a = inBox(2, QString::fromLatin1(work));
        a.boxes[4] = QString::fromLatin1(power);
        return a;
    };
    // 1 W at 10 V: I = P / U = 0,1 A; U / P = 10 is also a hundred times too large.
    const CalcExample power = example(CalcTask::ElectricPower, 2, ElectricPowerValues{10, 0.1f, 1});
    // 48 kg on 6 dm²: 8,0 kPa. 40 N along 5 m: 200 J in 8,0 s. 500 W for 4,0 s: 2000 J.
    // 50 kg lifted 12,0 m in 4,0 s: 6000 J, 1500 W.
    const LiquidPressureValues press{48, 8, 6};
    const MechanicalWorkValues board{40, 5, 8, 200};
    const WinchPowerValues winch{500, 4, 6, 2000};
    const CalcExample energy = example(CalcTask::WinchEnergy, std::nullopt, WinchEnergyValues{3, 50, 4, 12, 6000, 1500});
    const SlipCase cases[] = {
        {"5e R2 as I2 / U", parallel(2), inBox(2, "0,016"), inverted("R₂")},
        {"5c I as U / P", power, inBox(1, "10"), inverted("I")},
        {"1d negative clock", car(3), onClock("2", "-20"), QStringLiteral("t: ") + kNegativeClock},
        {"2a p: S / m", example(CalcTask::LiquidPressure, 1, press), inBox(2, "0,125"), inverted("p")},
        {"2a p: right", example(CalcTask::LiquidPressure, 1, press), inBox(2, "8"), kNothing},
        {"2a S: p / m", example(CalcTask::LiquidPressure, 3, press), inBox(3, "0,167"), inverted("S")},
        {"2b F: s / W", example(CalcTask::MechanicalWork, 2, board), inBox(2, "0,025"), inverted("F")},
        {"2b s: F / W", example(CalcTask::MechanicalWork, 3, board), inBox(1, "0,2"), inverted("s")},
        {"2b W: ten times", example(CalcTask::MechanicalWork, 1, board), inBox(3, "2000"),
         QStringLiteral("W: ") + timesLarger(10)},
        {"2c P: t / W", example(CalcTask::WinchPower, 2, winch), inBox(4, "0,002"), inverted("P")},
        {"2c t: P / W", example(CalcTask::WinchPower, 3, winch), inBox(3, "0,25"), inverted("t")},
        {"2c t: no slip", example(CalcTask::WinchPower, 3, winch), inBox(3, "7"), kNothing},
        {"2d P: t / W", energy, both("6000", "0,001"), inverted("P")},
        {"2d W: a tenth, named apart from P", energy, both("600", "1500"), QStringLiteral("W: ") + timesSmaller(10)},
    };
    for (const SlipCase& c : cases)
        EXPECT_EQ(SlipHint(c.example, c.answer), c.line) << c.name;
}

// Over generated examples: the right value says nothing, the value ten times
// too large always names the power of ten, the value in the smaller unit the unit.
TEST(SlipHint, GeneratedExamples)
{
    for (CalcTask task : {CalcTask::LiquidDensity, CalcTask::SolidDensity, CalcTask::UniformMotion,
                          CalcTask::NonUniformMotion}) {
        for (std::uint64_t seed = 0; seed < 400; ++seed) {
            const CalcExample e = orbeta::test::generated(task, seed);
            SCOPED_TRACE(calcTaskCode(task).toStdString() + " seed " + std::to_string(seed));
            const auto typedAs = [&e](double value) {
                if (const auto* x = std::get_if<NonUniformMotionValues>(&e.values)) {
                    if (e.asked == 3) {
                        const long minutes = std::lround(value);
                        return onClock(QString::number(minutes / 60), QString::number(minutes % 60));
                    }
                    return inBox(x->askedCity, FormatFixed(value, 5));
                }
                for (int box = 1; box <= 6; ++box)
                    if (e.boxes[static_cast<std::size_t>(box - 1)].used
                        && e.boxes[static_cast<std::size_t>(box - 1)].text.isEmpty())
                        return inBox(box, FormatFixed(value, 5));
                return CalcAnswer{};
            };
            double right = 0;
            double unitFactor = 1000;
            std::visit(
                [&](const auto& x) {
                    using V = std::decay_t<decltype(x)>;
                    if constexpr (std::is_same_v<V, LiquidDensityValues>)
                        right = e.asked == 1 ? x.V : double(x.m1) + double(x.rho) * x.V;
                    else if constexpr (std::is_same_v<V, SolidDensityValues>)
                        right = e.asked == 2 ? double(x.rho) * x.Vt : x.V1 + double(x.m) / double(x.rho);
                    else if constexpr (std::is_same_v<V, UniformMotionValues>) {
                        right = e.asked == 1 ? double(x.s) / double(x.t)
                                : e.asked == 2 ? double(x.v) * double(x.t) : double(x.s) / double(x.v);
                        // m/s has no unit to mix up with here; s and h do.
                        unitFactor = e.asked == 1 ? 0 : e.asked == 2 ? 1000 : 3600;
                    } else if constexpr (std::is_same_v<V, NonUniformMotionValues>) {
                        right = e.asked == 3 ? 60.0 * (x.s1 + x.s2) / x.v
                                             : (x.askedCity == x.startCity ? x.s1 : x.s2);
                        unitFactor = e.asked == 3 ? 60 : 1000;
                    }
                },
                e.values);
            if (e.tableActive())
                continue;
            EXPECT_EQ(SlipHint(e, typedAs(right)), kNothing);
            EXPECT_EQ(slipOf(SlipHint(e, typedAs(10 * right))), timesLarger(10));
            if (unitFactor > 0) {
                EXPECT_TRUE(slipOf(SlipHint(e, typedAs(unitFactor * right))).startsWith(QStringLiteral("pozor na jednotky")));
            }
        }
    }
}
