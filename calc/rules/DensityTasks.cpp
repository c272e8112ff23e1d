// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/rules/DensityTasks.h"

#include "calc/basics/QuantityTable.h"
#include "calc/rules/DrawRules.h"
#include "calc/basics/NumberText.h"

namespace orbeta {

using Liquid = LiquidDensityValues;
using Solid = SolidDensityValues;

const std::array<Quantity, 4> DensityTasks::liquidQuantities = {{
    {.name = "m1", .symbol = u"má", .unit = u"g", .decimals = 2, .box = 1, .widest = u"999,99", .hintLine = 1,
     .read = field<&Liquid::m1>},
    {.name = "m2", .symbol = u"mâ", .unit = u"g", .label = u"Hmotnosť", .decimals = 2, .box = 2,
     .widest = u"999,99",
     .hintLine = 2, .asked = {3}, .read = field<&Liquid::m2>},
    {.name = "V", .symbol = u"V", .unit = u"ml", .label = u"Objem", .decimals = kPlainDecimals, .box = 3,
     .given = GivenText::Plain, .hintLine = 4, .asked = {1}, .read = field<&Liquid::V>},
    {.name = "rho", .symbol = u"ú", .unit = u"g/cm³", .siglaUnit = u"g/cmĂ", .label = u"Hustota",
     .decimals = 3, .hintLine = 3, .asked = {2}, .inTable = true, .read = field<&Liquid::rho>},
}};

const std::array<Quantity, 6> DensityTasks::solidQuantities = {{
    {.name = "m", .symbol = u"m", .unit = u"g", .label = u"Hmotnosť", .decimals = 1, .box = 1,
     .widest = u" 9999,9", .given = GivenText::Plain, .hintLine = 5, .asked = {2}, .read = field<&Solid::m>},
    {.name = "V1", .symbol = u"Vá", .unit = u"ml", .box = 2, .given = GivenText::Plain, .hintLine = 4,
     .read = field<&Solid::V1>},
    {.name = "V2", .symbol = u"Vâ", .unit = u"ml", .label = u"Objem", .box = 3, .given = GivenText::Plain,
     .hintLine = 4, .asked = {3}, .read = field<&Solid::V2>},
    {.name = "rho", .symbol = u"ú", .unit = u"g/cm³", .siglaUnit = u"g/cmĂ", .label = u"Hustota",
     .decimals = 2, .hintLine = 6, .asked = {1}, .inTable = true, .read = field<&Solid::rho>},
    {.name = "Vt", .symbol = u"V", .unit = u"ml", .read = field<&Solid::Vt>},
    {.name = "body", .read = field<&Solid::body>},
}};

void DensityTasks::generateLiquid(CalcExample& e, const ExampleTable& table, RandomSource& rnd)
{
    Liquid x;
    int row = 0;
    do {
        x.m1 = rnd.IntRnd(101, 100);
        row = rnd.IntRnd(8, 1);
        x.rho = static_cast<float>(table.value(row));
        x.V = rnd.IntRnd(15, 5) * 10;
        x.m2 = static_cast<float>(x.m1) + static_cast<float>(x.V) * x.rho;
    } while (x.m2 >= 1000);
    askVariant(e, rnd, 3);
    e.assignmentLine = *e.asked;
    e.tableRow = row;
    e.tableRows = calcTaskTableRows(CalcTask::LiquidDensity);
    e.shownRow = e.asked == 2 ? 0 : row;
    e.values = x;
    QuantityTable::fillBoxes(liquidQuantities, e);
    // Before the experiment the scale under the cylinder shows m1.
    if (e.asked != 3)
        e.boxes[1].text = e.boxes[0].text;
}

void DensityTasks::generateSolid(CalcExample& e, const ExampleTable& table, RandomSource& rnd)
{
    Solid x;
    int row = 0;
    do {
        row = rnd.IntRnd(10, 1);
        x.rho = static_cast<float>(table.value(row));
        x.Vt = rnd.IntRnd(11, 5) * 10;
        x.V1 = rnd.IntRnd(5, 5) * 10;
        x.V2 = x.V1 + x.Vt;
        x.m = static_cast<float>(RoundHalfEven(static_cast<float>(x.Vt) * x.rho, 1));
    } while (x.V2 >= 200);
    x.body = rnd.IntRnd(3, 1);
    e.fillLevel = x.V1;
    askVariant(e, rnd, 3);
    e.assignmentLine = 3 + *e.asked;
    e.tableRow = row;
    e.tableRows = calcTaskTableRows(CalcTask::SolidDensity);
    e.shownRow = e.asked == 1 ? 0 : row;
    e.values = x;
    QuantityTable::fillBoxes(solidQuantities, e);
}

} // namespace orbeta
