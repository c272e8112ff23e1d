// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/rules/HeatTasks.h"

#include "calc/basics/QuantityTable.h"
#include "calc/rules/DrawRules.h"
#include "calc/basics/NumberText.h"

namespace orbeta {
namespace {

// Before the run the thermometer shows the starting temperature, and so does
// the box beside it, which the run then fills with the thermometer's readings.
void thermometerBox(CalcExample& e, std::span<const Quantity> quantities, int t1)
{
    const Quantity& t2 = QuantityTable::named(quantities, "t2");
    e.boxes[static_cast<std::size_t>(t2.box - 1)].text = FormatFixed(t1, 0);
}

} // namespace

using Heat = HeatValues;
using Melting = MeltingValues;

const std::array<Quantity, 5> HeatTasks::heatQuantities = {{
    {.name = "m", .symbol = u"m", .unit = u"kg", .decimals = 1, .box = 1, .hintLine = 5, .read = field<&Heat::m>},
    {.name = "t1", .symbol = u"tá", .unit = u"°C", .box = 2, .hintLine = 20, .read = field<&Heat::t1>},
    {.name = "t2", .symbol = u"tâ", .unit = u"°C", .box = 3, .given = GivenText::WholeMeter, .hintLine = 21,
     .read = field<&Heat::t2>},
    {.name = "c", .symbol = u"c", .unit = u"kJ·kg⁻¹·°C⁻¹", .siglaUnit = u"kJ·kg¬Á·°C¬Á", .decimals = 3,
     .inTable = true, .read = field<&Heat::c>},
    {.name = "Q", .symbol = u"Q", .unit = u"kJ", .label = u"Prijaté teplo", .decimals = 3, .box = 4,
     .widest = u"9999,999", .hintLine = 22, .asked = Variants::always(), .read = field<&Heat::Q>},
}};

const std::array<Quantity, 7> HeatTasks::meltingQuantities = {{
    {.name = "m", .symbol = u"m", .unit = u"kg", .decimals = 1, .box = 1, .hintLine = 5,
     .read = field<&Melting::m>},
    {.name = "t1", .symbol = u"tá", .unit = u"°C", .box = 2, .hintLine = 20, .read = field<&Melting::t1>},
    {.name = "t2", .symbol = u"tâ", .unit = u"°C", .box = 3, .given = GivenText::WholeMeter, .hintLine = 21,
     .read = field<&Melting::t2>},
    {.name = "c1", .symbol = u"cá", .unit = u"kJ·kg⁻¹·°C⁻¹", .siglaUnit = u"kJ·kg¬Á·°C¬Á", .decimals = 2,
     .read = field<&Melting::c1>},
    {.name = "c2", .symbol = u"câ", .unit = u"kJ·kg⁻¹·°C⁻¹", .siglaUnit = u"kJ·kg¬Á·°C¬Á", .decimals = 2,
     .read = field<&Melting::c2>},
    {.name = "l", .symbol = u"l", .unit = u"kJ·kg⁻¹", .siglaUnit = u"kJ·kg¬Á", .read = field<&Melting::l>},
    {.name = "Q", .symbol = u"Q", .unit = u"kJ", .label = u"Prijaté teplo", .decimals = 3, .box = 4,
     .widest = u"9999,999", .hintLine = 22, .asked = Variants::always(), .read = field<&Melting::Q>},
}};

void HeatTasks::generateHeat(CalcExample& e, const ExampleTable& table, RandomSource& rnd)
{
    Heat x;
    int row = 0;
    int tenths = 0;  // m in tenths of a kilogram
    double q = 0;
    // Q is computed in double: a Single product can miss the true value by
    // more than half a thousandth (Q reaches several thousand kJ), and the
    // pupil's exact answer would then be judged wrong.
    do {
        row = rnd.IntRnd(5, 1);
        tenths = rnd.IntRnd(89, 11);
        x.t1 = rnd.IntRnd(16, 10);
        x.t2 = rnd.IntRnd(151, 50);
        q = table.value(row) * tenths / 10 * (x.t2 - x.t1);
    } while (!hasThreeDecimalsAtMost(q));
    x.c = static_cast<float>(table.value(row));
    x.m = static_cast<float>(tenths) / 10;
    x.Q = static_cast<float>(RoundHalfEven(q, 3));
    e.assignmentLine = 27;
    e.tableRow = row;
    e.tableRows = calcTaskTableRows(CalcTask::Heat);
    e.shownRow = row;
    e.values = x;
    QuantityTable::fillBoxes(heatQuantities, e);
    thermometerBox(e, heatQuantities, x.t1);
}

void HeatTasks::generateMelting(CalcExample& e, const ExampleTable& table, RandomSource& rnd)
{
    // The pupil computes with the numbers the form's tables show.
    const double c1 = table.value(1);
    const double c2 = table.value(2);
    const double l = table.value(ExampleTable::kMeltingHeatRow);
    Melting x;
    x.c1 = static_cast<float>(c1);
    x.c2 = static_cast<float>(c2);
    x.l = static_cast<float>(l);
    double q = 0;
    do {
        x.m = rnd.IntRnd(9, 1);
        x.t1 = rnd.IntRnd(13, -15);
        x.t2 = rnd.IntRnd(17, 4);
        q = x.m * (c1 * (0 - x.t1) + l + c2 * x.t2);
    } while (!hasThreeDecimalsAtMost(q));
    x.Q = static_cast<float>(RoundHalfEven(q, 3));
    e.assignmentLine = 28;
    e.values = x;
    QuantityTable::fillBoxes(meltingQuantities, e);
    thermometerBox(e, meltingQuantities, x.t1);
}

} // namespace orbeta
