// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/rules/CircuitTasks.h"

#include "calc/basics/QuantityTable.h"
#include "calc/rules/DrawRules.h"

namespace orbeta {

using OhmsLaw = OhmsLawValues;
using Energy = ElectricEnergyValues;
using Power = ElectricPowerValues;
using Series = SeriesResistorsValues;
using Parallel = ParallelResistorsValues;

// A resistance, and the appliance's power input, stand on the part's label
// from the start; only the meters' readings wait for the experiment.
const std::array<Quantity, 3> CircuitTasks::ohmsLawQuantities = {{
    {.name = "U", .symbol = u"U", .unit = u"V", .label = u"Napätie", .box = 3, .given = GivenText::WholeMeter,
     .hintLine = 24, .asked = {3}, .read = field<&OhmsLaw::U>},
    {.name = "I", .symbol = u"I", .unit = u"A", .label = u"Prúd", .decimals = 1, .box = 1,
     .given = GivenText::DecimalMeter, .hintLine = 23, .asked = {2}, .read = field<&OhmsLaw::I>},
    {.name = "R", .symbol = u"R", .unit = u"Ω", .siglaUnit = u"Ű", .label = u"Odpor", .box = 2,
     .hintLine = 25, .asked = {1}, .read = field<&OhmsLaw::R>},
}};

// The voltage and the power input stand on the appliance's plate (the
// `TStart` boxes), the time on the clock (`TCil`).
const std::array<Quantity, 6> CircuitTasks::energyQuantities = {{
    {.name = "P", .symbol = u"P", .unit = u"W", .hintLine = 28, .read = field<&Energy::P>},
    {.name = "t", .symbol = u"t", .unit = u"min", .read = field<&Energy::t>},
    {.name = "E", .symbol = u"E", .unit = u"kWh", .label = u"Energia", .decimals = 1, .box = 1, .hintLine = 27,
     .asked = Variants::always(), .read = field<&Energy::E>},
    {.name = "hours", .unit = u"h", .hintLine = 11, .read = field<&Energy::hours>},
    {.name = "minutes", .unit = u"min", .hintLine = 12, .read = field<&Energy::minutes>},
    {.name = "U", .symbol = u"U", .unit = u"V", .hintLine = 24,
     .read = [](const ExampleValues&) { return Reading(Energy::voltage); }},
}};

const std::array<Quantity, 3> CircuitTasks::powerQuantities = {{
    {.name = "U", .symbol = u"U", .unit = u"V", .label = u"Napätie", .box = 3, .given = GivenText::WholeMeter,
     .hintLine = 24, .asked = {3}, .read = field<&Power::U>},
    {.name = "I", .symbol = u"I", .unit = u"A", .label = u"Prúd", .decimals = 1, .box = 1,
     .given = GivenText::DecimalMeter, .hintLine = 23, .asked = {2}, .read = field<&Power::I>},
    {.name = "P", .symbol = u"P", .unit = u"W", .label = u"Príkon", .box = 2, .hintLine = 26, .asked = {1}, .read = field<&Power::P>},
}};

const std::array<Quantity, 5> CircuitTasks::seriesQuantities = {{
    {.name = "I", .symbol = u"I", .unit = u"A", .label = u"Prúd", .decimals = 1, .box = 1,
     .given = GivenText::DecimalMeter, .hintLine = 23, .asked = {1}, .read = field<&Series::I>},
    {.name = "U1", .symbol = u"Uá", .unit = u"V", .label = u"Napätie", .box = 4, .given = GivenText::WholeMeter,
     .hintLine = 24, .asked = {4}, .read = field<&Series::U1>},
    {.name = "U2", .symbol = u"Uâ", .unit = u"V", .label = u"Napätie", .box = 5, .given = GivenText::WholeMeter,
     .hintLine = 24, .asked = {5}, .read = field<&Series::U2>},
    {.name = "R1", .symbol = u"Rá", .unit = u"Ω", .siglaUnit = u"Ű", .label = u"Odpor", .box = 2,
     .hintLine = 25, .asked = {2}, .read = field<&Series::R1>},
    {.name = "R2", .symbol = u"Râ", .unit = u"Ω", .siglaUnit = u"Ű", .label = u"Odpor", .box = 3,
     .hintLine = 25, .asked = {3}, .read = field<&Series::R2>},
}};

// U has one decimal here (b × f × a / 10), so it is shown with one.
const std::array<Quantity, 6> CircuitTasks::parallelQuantities = {{
    {.name = "I1", .symbol = u"Iá", .unit = u"A", .label = u"Prúd", .decimals = 1, .box = 4,
     .given = GivenText::DecimalMeter, .hintLine = 23, .asked = {4}, .read = field<&Parallel::I1>},
    {.name = "I2", .symbol = u"Iâ", .unit = u"A", .label = u"Prúd", .decimals = 1, .box = 5,
     .given = GivenText::DecimalMeter, .hintLine = 23, .asked = {5}, .read = field<&Parallel::I2>},
    {.name = "I", .symbol = u"I", .unit = u"A", .label = u"Celkový prúd", .decimals = 1, .box = 6,
     .hintLine = 23, .asked = Variants::always(), .read = field<&Parallel::I>},
    {.name = "U", .symbol = u"U", .unit = u"V", .label = u"Napätie", .decimals = 1, .box = 3,
     .given = GivenText::DecimalMeter, .hintLine = 24, .asked = {3}, .read = field<&Parallel::U>},
    {.name = "R1", .symbol = u"Rá", .unit = u"Ω", .siglaUnit = u"Ű", .label = u"Odpor", .box = 1,
     .hintLine = 25, .asked = {1}, .read = field<&Parallel::R1>},
    {.name = "R2", .symbol = u"Râ", .unit = u"Ω", .siglaUnit = u"Ű", .label = u"Odpor", .box = 2,
     .hintLine = 25, .asked = {2}, .read = field<&Parallel::R2>},
}};

void CircuitTasks::generateOhmsLaw(CalcExample& e, RandomSource& rnd)
{
    OhmsLaw x;
    x.R = rnd.IntRnd(9, 1) * 10;
    x.I = static_cast<float>(rnd.IntRnd(9, 1)) / 10;
    x.U = static_cast<float>(x.R) * x.I;
    askVariant(e, rnd, 3);
    static constexpr std::array<int, 3> kLines = {33, 35, 37};
    e.assignmentLine = kLines[static_cast<std::size_t>(*e.asked - 1)];
    e.values = x;
    QuantityTable::fillBoxes(ohmsLawQuantities, e);
}

void CircuitTasks::generateEnergy(CalcExample& e, RandomSource& rnd)
{
    Energy x;
    x.P = rnd.IntRnd(5, 0) * 300 + 1200;
    x.hours = rnd.IntRnd(2, 1) == 1 ? 1 : 0;
    x.minutes = rnd.IntRnd(2, 1) == 1 ? 20 : 40;
    x.t = 60 * x.hours + x.minutes;
    x.E = static_cast<float>(x.t * 0.001 * x.P / 60);
    e.assignmentLine = 39;
    e.values = x;
    QuantityTable::fillBoxes(energyQuantities, e);
    auto hint = [](const char* name) { return QuantityTable::named(energyQuantities, name).hintLine; };
    e.startBoxes = {QString::number(Energy::voltage), QString::number(x.P)};
    e.finishBoxes = {QStringLiteral("0"), QStringLiteral("00")};
    e.startHintLines = {hint("U"), hint("P")};
    e.finishHintLines = {hint("hours"), hint("minutes")};
}

void CircuitTasks::generatePower(CalcExample& e, RandomSource& rnd)
{
    Power x;
    do {
        x.U = rnd.IntRnd(4, 1) * 10;
        x.I = static_cast<float>(rnd.IntRnd(5, 1)) / 2;
        x.P = static_cast<float>(x.U) * x.I;
    } while (x.P >= 100);
    askVariant(e, rnd, 3);
    static constexpr std::array<int, 3> kLines = {34, 36, 38};
    e.assignmentLine = kLines[static_cast<std::size_t>(*e.asked - 1)];
    e.values = x;
    QuantityTable::fillBoxes(powerQuantities, e);
}

void CircuitTasks::generateSeries(CalcExample& e, RandomSource& rnd)
{
    Series x;
    x.R1 = rnd.IntRnd(5, 1) * 10;
    x.R2 = rnd.IntRnd(5, 1) * 10;
    x.I = static_cast<float>(rnd.IntRnd(19, 1)) / 10;
    x.U1 = static_cast<float>(x.R1) * x.I;
    x.U2 = x.I * static_cast<float>(x.R2);
    askVariant(e, rnd, 5);
    e.assignmentLine = 39 + *e.asked;
    e.values = x;
    QuantityTable::fillBoxes(seriesQuantities, e);
}

void CircuitTasks::generateParallel(CalcExample& e, RandomSource& rnd)
{
    Parallel x;
    int a = 0;
    int b = 0;
    int f = 0;
    do {
        a = rnd.IntRnd(8, 2);
        b = rnd.IntRnd(8, 2);
        f = rnd.IntRnd(5, 5);
    } while (a == b);
    x.R1 = a * f;
    x.R2 = b * f;
    x.U = static_cast<float>(b * f * a * 0.1);
    x.I1 = static_cast<float>(b * 0.1);
    x.I2 = static_cast<float>(a * 0.1);
    x.I = x.I1 + x.I2;
    askVariant(e, rnd, 5);
    e.assignmentLine = 44 + *e.asked;
    e.values = x;
    QuantityTable::fillBoxes(parallelQuantities, e);
}

bool CircuitTasks::checkParallel(const CalcExample& e, const CalcAnswer& a)
{
    return QuantityTable::allBoxesAreRight(parallelQuantities, e, a);
}

double CircuitTasks::meterScale(CalcTask task, std::string_view name)
{
    // Over the generator's ranges: "5a" I ≤ 0,9 A, U = R · I ≤ 81 V; "5c" I ≤ 2,5 A,
    // U ≤ 40 V; "5d" I ≤ 1,9 A, U₁, U₂ ≤ 95 V; "5e" I₁, I₂ ≤ 0,9 A, I ≤ 1,8 A, U ≤ 72,9 V.
    struct Scale {
        CalcTask task;
        std::string_view name;
        double fullScale;
    };
    static constexpr Scale kScales[] = {
        {CalcTask::OhmsLaw, "I", 1},            {CalcTask::OhmsLaw, "U", 100},
        {CalcTask::ElectricPower, "I", 5},      {CalcTask::ElectricPower, "U", 50},
        {CalcTask::SeriesResistors, "I", 2},    {CalcTask::SeriesResistors, "U1", 100},
        {CalcTask::SeriesResistors, "U2", 100}, {CalcTask::ParallelResistors, "I1", 1},
        {CalcTask::ParallelResistors, "I2", 1}, {CalcTask::ParallelResistors, "I", 2},
        {CalcTask::ParallelResistors, "U", 100},
    };
    for (const Scale& s : kScales)
        if (s.task == task && s.name == name)
            return s.fullScale;
    return 0;
}

} // namespace orbeta
