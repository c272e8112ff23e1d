// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/grading/SlipHint.h"

#include "calc/basics/NumberText.h"
#include "calc/rules/TaskQuantities.h"
#include "formats/SiglaText.h"

#include <cmath>
#include <string_view>

namespace orbeta {
namespace {

using Liquid = LiquidDensityValues;
using Solid = SolidDensityValues;
using Uniform = UniformMotionValues;
using NonUniform = NonUniformMotionValues;

// A number the pupil typed and half a unit of its last decimal: the
// precision to which it stands for the value they computed.
struct Typed {
    double value = 0;
    double halfUnit = 0.5;
};

// Two units of one quantity that pupils mix up, and how many of the smaller
// make the larger.
struct UnitPair {
    std::u16string_view smaller;
    std::u16string_view larger;
    double factor;
};

constexpr UnitPair kUnitPairs[] = {
    {u"g", u"kg", 1000}, {u"ml", u"l", 1000}, {u"m", u"km", 1000}, {u"min", u"h", 60}, {u"s", u"h", 3600},
};

constexpr double kPowersOfTen[] = {10, 100, 1000};

// What the slips of one asked quantity need beyond its unit and its value;
// a quantity without a row is checked for those two alone.
struct SlipRow {
    CalcTask task;
    std::string_view quantity;  // its name in the task's quantity table
    // The pupil's number when it is not in the quantity's own answer box.
    std::optional<Typed> (*typed)(const CalcExample&, const CalcAnswer&) = nullptr;
    // A quotient divided the wrong way round.
    double (*inverted)(const ExampleValues&) = nullptr;
    // A result on the way that a pupil may round, and the answer computed from it.
    double (*intermediate)(const ExampleValues&) = nullptr;
    double (*fromIntermediate)(const ExampleValues&, double) = nullptr;
    // The answer of a pupil who mixes up the units beyond a factor.
    double (*mixedUnits)(const ExampleValues&) = nullptr;
    // A slip in the form of the answer, whatever its value.
    QString (*formSlip)(const CalcAnswer&) = nullptr;
};

std::optional<Typed> typedIn(QStringView text)
{
    const std::optional<float> value = ParseSingle(text);
    if (!value)
        return std::nullopt;
    int decimals = 0;
    if (const qsizetype comma = text.indexOf(QLatin1Char(',')); comma >= 0) {
        QStringView fraction = text.mid(comma + 1).trimmed();
        while (fraction.endsWith(QLatin1Char('0')))
            fraction.chop(1);
        decimals = int(fraction.size());
    }
    return Typed{double(*value), 0.5 * std::pow(10.0, -decimals)};
}

template <int NonUniform::*city>
std::optional<Typed> askedRoad(const CalcExample& e, const CalcAnswer& a)
{
    const NonUniform& x = valuesOf<NonUniform>(e.values);
    if (x.askedCity != x.*city)
        return std::nullopt;
    return typedIn(a.boxes[static_cast<std::size_t>(x.askedCity - 1)]);
}

// The arrival time in minutes, from the hours and minutes of the clock.
std::optional<Typed> arrivalMinutes(const CalcExample&, const CalcAnswer& a)
{
    const std::optional<int> hours = ParseWhole(a.finishBoxes[0]);
    const std::optional<int> minutes = ParseWhole(a.finishBoxes[1]);
    if (!hours || !minutes)
        return std::nullopt;
    return Typed{60.0 * *hours + *minutes, 0.5};
}

// "2 h −5 min": a clock has no negative part, whatever the sum would be.
QString negativeClockPart(const CalcAnswer& a)
{
    for (const QString& part : a.finishBoxes)
        if (const std::optional<int> value = ParseWhole(part); value && *value < 0)
            return QStringLiteral("hodiny a minúty nie sú záporné.");
    return {};
}

double hoursOf(const ExampleValues& v)
{
    return valuesOf<NonUniform>(v).t / 60.0;
}

template <int NonUniform::*otherLeg>
double roadFromHours(const ExampleValues& v, double hours)
{
    const NonUniform& x = valuesOf<NonUniform>(v);
    return x.v * hours - x.*otherLeg;
}

// The quotient of two quantities of a task's values, divided the other way round.
template <auto numerator, auto denominator>
double swapped(const ExampleValues& v)
{
    using Values = typename detail::MemberOf<decltype(numerator)>::Class;
    const Values& x = valuesOf<Values>(v);
    return double(x.*denominator) / double(x.*numerator);
}

double workingHours(const ExampleValues& v)
{
    return valuesOf<ElectricEnergyValues>(v).t / 60.0;
}

double drivingHours(const ExampleValues& v)
{
    const NonUniform& x = valuesOf<NonUniform>(v);
    return double(x.s1 + x.s2) / x.v;
}

const SlipRow kSlipRows[] = {
    // V = (m2 − m1) / ρ
    {.task = CalcTask::LiquidDensity, .quantity = "V",
     .inverted = [](const ExampleValues& v) {
         const Liquid& x = valuesOf<Liquid>(v);
         return double(x.rho) / (double(x.m2) - x.m1);
     }},
    // V2 = V1 + m / ρ
    {.task = CalcTask::SolidDensity, .quantity = "V2",
     .inverted = [](const ExampleValues& v) {
         const Solid& x = valuesOf<Solid>(v);
         return x.V1 + double(x.rho) / double(x.m);
     }},
    // v = s / t
    {.task = CalcTask::UniformMotion, .quantity = "v",
     .inverted = [](const ExampleValues& v) {
         const Uniform& x = valuesOf<Uniform>(v);
         return double(x.t) / double(x.s);
     }},
    // t = s / v
    {.task = CalcTask::UniformMotion, .quantity = "t",
     .inverted = [](const ExampleValues& v) {
         const Uniform& x = valuesOf<Uniform>(v);
         return double(x.v) / double(x.s);
     }},
    // The asked road: v · t − the other road, t in hours.
    {.task = CalcTask::NonUniformMotion, .quantity = "s1", .typed = askedRoad<&NonUniform::startCity>,
     .intermediate = hoursOf, .fromIntermediate = roadFromHours<&NonUniform::s2>},
    {.task = CalcTask::NonUniformMotion, .quantity = "s2", .typed = askedRoad<&NonUniform::targetCity>,
     .intermediate = hoursOf, .fromIntermediate = roadFromHours<&NonUniform::s1>},
    // t = (s1 + s2) / v in hours, answered in hours and minutes; 1,67 h
    // written as 1 h 67 min mixes the units.
    {.task = CalcTask::NonUniformMotion, .quantity = "t", .typed = arrivalMinutes,
     .inverted = [](const ExampleValues& v) { return 60 / drivingHours(v); },
     .intermediate = drivingHours,
     .fromIntermediate = [](const ExampleValues&, double hours) { return 60 * hours; },
     .mixedUnits = [](const ExampleValues& v) {
         const double hours = drivingHours(v);
         return 60 * std::floor(hours) + 100 * (hours - std::floor(hours));
     },
     .formSlip = negativeClockPart},
    // Ohm's law and the power input: R = U / I, I = U / R, I = P / U, U = P / I.
    {.task = CalcTask::OhmsLaw, .quantity = "R", .inverted = swapped<&OhmsLawValues::U, &OhmsLawValues::I>},
    {.task = CalcTask::OhmsLaw, .quantity = "I", .inverted = swapped<&OhmsLawValues::U, &OhmsLawValues::R>},
    {.task = CalcTask::ElectricPower, .quantity = "I", .inverted = swapped<&ElectricPowerValues::P, &ElectricPowerValues::U>},
    {.task = CalcTask::ElectricPower, .quantity = "U", .inverted = swapped<&ElectricPowerValues::P, &ElectricPowerValues::I>},
    // E = P · t with t in hours, a third or two thirds of an hour that a pupil may round.
    {.task = CalcTask::ElectricEnergy, .quantity = "E", .intermediate = workingHours,
     .fromIntermediate = [](const ExampleValues& v, double hours) {
         return valuesOf<ElectricEnergyValues>(v).P / 1000.0 * hours;
     }},
    // In series I = U1 / R1, R1 = U1 / I, R2 = U2 / I.
    {.task = CalcTask::SeriesResistors, .quantity = "I",
     .inverted = swapped<&SeriesResistorsValues::U1, &SeriesResistorsValues::R1>},
    {.task = CalcTask::SeriesResistors, .quantity = "R1",
     .inverted = swapped<&SeriesResistorsValues::U1, &SeriesResistorsValues::I>},
    {.task = CalcTask::SeriesResistors, .quantity = "R2",
     .inverted = swapped<&SeriesResistorsValues::U2, &SeriesResistorsValues::I>},
    // Side by side R1 = U / I1, R2 = U / I2, I1 = U / R1, I2 = U / R2.
    {.task = CalcTask::ParallelResistors, .quantity = "R1",
     .inverted = swapped<&ParallelResistorsValues::U, &ParallelResistorsValues::I1>},
    {.task = CalcTask::ParallelResistors, .quantity = "R2",
     .inverted = swapped<&ParallelResistorsValues::U, &ParallelResistorsValues::I2>},
    {.task = CalcTask::ParallelResistors, .quantity = "I1",
     .inverted = swapped<&ParallelResistorsValues::U, &ParallelResistorsValues::R1>},
    {.task = CalcTask::ParallelResistors, .quantity = "I2",
     .inverted = swapped<&ParallelResistorsValues::U, &ParallelResistorsValues::R2>},
    // "2a" to "2d": the quotients of pressure, work and power, divided the wrong way round.
    // p = m · g / S (kPa with dm²), S = m · g / p
    {.task = CalcTask::LiquidPressure, .quantity = "P",
     .inverted = [](const ExampleValues& v) {
         const auto& x = valuesOf<LiquidPressureValues>(v);
         return x.S / double(x.m);
     }},
    {.task = CalcTask::LiquidPressure, .quantity = "S",
     .inverted = [](const ExampleValues& v) {
         const auto& x = valuesOf<LiquidPressureValues>(v);
         return double(x.p) / double(x.m);
     }},
    // F = W / s, s = W / F
    {.task = CalcTask::MechanicalWork, .quantity = "F",
     .inverted = [](const ExampleValues& v) {
         const auto& x = valuesOf<MechanicalWorkValues>(v);
         return double(x.s) / x.W;
     }},
    {.task = CalcTask::MechanicalWork, .quantity = "s",
     .inverted = [](const ExampleValues& v) {
         const auto& x = valuesOf<MechanicalWorkValues>(v);
         return double(x.F) / x.W;
     }},
    // P = W / t, t = W / P
    {.task = CalcTask::WinchPower, .quantity = "P",
     .inverted = [](const ExampleValues& v) {
         const auto& x = valuesOf<WinchPowerValues>(v);
         return double(x.t) / x.W;
     }},
    {.task = CalcTask::WinchPower, .quantity = "t",
     .inverted = [](const ExampleValues& v) {
         const auto& x = valuesOf<WinchPowerValues>(v);
         return double(x.P) / x.W;
     }},
    {.task = CalcTask::WinchEnergy, .quantity = "P",
     .inverted = [](const ExampleValues& v) {
         const auto& x = valuesOf<WinchEnergyValues>(v);
         return double(x.t) / x.W;
     }},
};

const SlipRow* rowOf(CalcTask task, std::string_view quantity)
{
    for (const SlipRow& row : kSlipRows)
        if (row.task == task && row.quantity == quantity)
            return &row;
    return nullptr;
}

std::optional<double> numberOf(const Reading& value)
{
    if (const int* whole = std::get_if<int>(&value))
        return *whole;
    if (const float* single = std::get_if<float>(&value))
        return double(*single);
    return std::nullopt;
}

// Equal the way the check compares a box: as Singles rounded to three decimals.
bool sameAtThreeDecimals(double a, double b)
{
    return RoundHalfEven(float(a), 3) == RoundHalfEven(float(b), 3);
}

// The pupil's number stands for the slip's value: equal as the check
// compares (but a zero stands for no slip), or that value rounded to the
// decimals the pupil typed, within a twentieth of it, so that a bare "1" is
// not taken for any value near it.
bool matches(const Typed& typed, double slip)
{
    if (RoundHalfEven(slip, 3) != 0 && sameAtThreeDecimals(typed.value, slip))
        return true;
    const double off = std::abs(typed.value - slip);
    return off <= typed.halfUnit + 1e-6 * std::abs(slip) && off <= 0.05 * std::abs(slip);
}

// Half a unit of the last decimal the right value has (up to three): a
// typed number with a coarser unit was rounded further than the value allows.
double halfUnitOf(double right)
{
    for (int decimals = 0; decimals < 3; ++decimals)
        if (RoundHalfEven(right, decimals) == RoundHalfEven(right, 3))
            return 0.5 * std::pow(10.0, -decimals);
    return 0.0005;
}

bool withinRange(double value, double a, double b, double margin)
{
    return value >= std::min(a, b) - margin && value <= std::max(a, b) + margin;
}

QString unitSlip(std::u16string_view unit, const SlipRow* row, const ExampleValues& v, const Typed& typed,
                 double right)
{
    for (const UnitPair& pair : kUnitPairs) {
        if (unit != pair.smaller && unit != pair.larger)
            continue;
        if (matches(typed, right * pair.factor) || matches(typed, right / pair.factor)
            || (row && row->mixedUnits && matches(typed, row->mixedUnits(v))))
            return QStringLiteral("pozor na jednotky %1 a %2.")
                .arg(QStringView(pair.smaller), QStringView(pair.larger));
    }
    return {};
}

QString powerOfTenSlip(const Typed& typed, double right)
{
    for (const double factor : kPowersOfTen) {
        if (matches(typed, right * factor))
            return QStringLiteral("výsledok je %1-krát väčší.").arg(factor);
        if (matches(typed, right / factor))
            return QStringLiteral("výsledok je %1-krát menší.").arg(factor);
    }
    return {};
}

// The answer written with fewer decimals than it has.
bool resultRounded(const Typed& typed, double right)
{
    return typed.halfUnit > halfUnitOf(right) && std::abs(typed.value - right) <= typed.halfUnit * (1 + 1e-9);
}

// The answer computed from an intermediate result rounded to one decimal
// (anywhere between the results from its value cut and rounded up) or to a
// whole number.
bool intermediateRounded(const SlipRow* row, const ExampleValues& v, const Typed& typed)
{
    if (!row || !row->intermediate)
        return false;
    const double exact = row->intermediate(v);
    const double tenths = exact * 10;
    if (std::abs(tenths - std::round(tenths)) > 1e-9
        && withinRange(typed.value, row->fromIntermediate(v, std::floor(tenths) / 10),
                       row->fromIntermediate(v, std::ceil(tenths) / 10), typed.halfUnit))
        return true;
    const double whole = std::floor(exact + 0.5);
    return std::abs(whole - exact) > 1e-9 && matches(typed, row->fromIntermediate(v, whole));
}

QString slipOf(const Quantity& q, const SlipRow* row, const ExampleValues& v, const Typed& typed, double right)
{
    if (QString line = unitSlip(q.unit, row, v, typed, right); !line.isEmpty())
        return line;
    // Before the powers of ten: a swapped quotient may also be a hundredth of
    // the value, and swapping is what the pupil must mend.
    if (row && row->inverted && matches(typed, row->inverted(v)))
        return QStringLiteral("vymeň delenec a deliteľ.");
    if (QString line = powerOfTenSlip(typed, right); !line.isEmpty())
        return line;
    if (resultRounded(typed, right))
        return QStringLiteral("výsledok napíš presnejšie.");
    if (intermediateRounded(row, v, typed))
        return QStringLiteral("nezaokrúhľuj medzivýsledok.");
    return {};
}

// The slip after the symbol of the box it is about ("W: výsledok je 10-krát
// menší."): a task that asks two quantities says which one is wrong.
QString named(const Quantity& q, const QString& slip)
{
    if (q.symbol.empty())
        return slip.left(1).toUpper() + slip.mid(1);
    return SiglaText::toUnicode(QStringView(q.symbol)) + QStringLiteral(": ") + slip;
}

} // namespace

QString SlipHint(const CalcExample& example, const CalcAnswer& answer)
{
    for (const Quantity& q : TaskQuantities::of(example.task)) {
        if (!q.askedIn(example))
            continue;
        const SlipRow* row = rowOf(example.task, q.name);
        if (row && row->formSlip)
            if (QString line = row->formSlip(answer); !line.isEmpty())
                return named(q, line);
        std::optional<Typed> typed;
        if (row && row->typed)
            typed = row->typed(example, answer);
        else if (q.box > 0)
            typed = typedIn(answer.boxes[static_cast<std::size_t>(q.box - 1)]);
        const std::optional<double> right = numberOf(q.read(example.values));
        if (!typed || !right || sameAtThreeDecimals(typed->value, *right))
            continue;
        if (QString line = slipOf(q, row, example.values, *typed, *right); !line.isEmpty())
            return named(q, line);
    }
    return {};
}

} // namespace orbeta
