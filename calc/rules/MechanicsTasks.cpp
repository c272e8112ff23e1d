// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/rules/MechanicsTasks.h"

#include "calc/basics/QuantityTable.h"
#include "calc/rules/DrawRules.h"
#include "calc/basics/NumberText.h"

namespace orbeta {

using Pressure = LiquidPressureValues;
using Work = MechanicalWorkValues;
using WinchPower = WinchPowerValues;
using WinchEnergy = WinchEnergyValues;

const std::array<Quantity, 3> MechanicsTasks::pressureQuantities = {{
    {.name = "m", .symbol = u"m", .unit = u"kg", .label = u"Hmotnosť", .decimals = 1, .box = 1,
     .hintLine = 5, .asked = {2}, .read = field<&Pressure::m>},
    {.name = "S", .symbol = u"S", .unit = u"dm²", .siglaUnit = u"dmÂ", .label = u"Obsah", .box = 3,
     .hintLine = 13, .asked = {3}, .read = field<&Pressure::S>},
    {.name = "P", .symbol = u"p", .unit = u"kPa", .label = u"Tlak", .decimals = 1, .box = 2,
     .given = GivenText::DecimalMeter, .hintLine = 14, .asked = {1}, .read = field<&Pressure::p>},
}};

// The distance is measured along the board, so its box starts as a decimal
// meter although the distance is whole.
const std::array<Quantity, 4> MechanicsTasks::workQuantities = {{
    {.name = "F", .symbol = u"F", .unit = u"N", .label = u"Sila", .box = 2, .hintLine = 15, .asked = {2},
     .read = field<&Work::F>},
    {.name = "s", .symbol = u"s", .unit = u"m", .label = u"Dĺžka dráhy", .box = 1,
     .given = GivenText::DecimalMeter, .hintLine = 7, .asked = {3}, .read = field<&Work::s>},
    {.name = "t", .symbol = u"t", .unit = u"s", .decimals = 1, .box = 4, .given = GivenText::DecimalMeter,
     .hintLine = 8, .read = field<&Work::t>},
    {.name = "W", .symbol = u"W", .unit = u"J", .label = u"Práca", .box = 3, .hintLine = 16, .asked = {1},
     .read = field<&Work::W>},
}};

// The lifting distance and the time are read off the running winch.
const std::array<Quantity, 4> MechanicsTasks::winchPowerQuantities = {{
    {.name = "W", .symbol = u"W", .unit = u"J", .label = u"Práca", .box = 1, .widest = u"999999", .hintLine = 19,
     .asked = {1}, .read = field<&WinchPower::W>},
    {.name = "P", .symbol = u"P", .unit = u"W", .label = u"Výkon", .box = 4, .hintLine = 18, .asked = {2},
     .read = field<&WinchPower::P>},
    {.name = "s", .symbol = u"s", .unit = u"m", .decimals = 1, .box = 2, .given = GivenText::DecimalMeter,
     .hintLine = 7, .read = field<&WinchPower::s>},
    {.name = "t", .symbol = u"t", .unit = u"s", .label = u"Doba pohybu", .decimals = 1, .box = 3,
     .given = GivenText::DecimalMeter, .hintLine = 8, .asked = {3}, .read = field<&WinchPower::t>},
}};

const std::array<Quantity, 6> MechanicsTasks::winchEnergyQuantities = {{
    {.name = "m", .symbol = u"m", .unit = u"kg", .box = 1, .hintLine = 5, .read = field<&WinchEnergy::m>},
    {.name = "h", .symbol = u"h", .unit = u"m", .decimals = 1, .box = 3, .given = GivenText::DecimalMeter,
     .hintLine = 7, .read = field<&WinchEnergy::h>},
    {.name = "t", .symbol = u"t", .unit = u"s", .decimals = 1, .box = 4, .given = GivenText::DecimalMeter,
     .hintLine = 8, .read = field<&WinchEnergy::t>},
    {.name = "W", .symbol = u"W", .unit = u"J", .label = u"Mech. energia", .box = 2, .widest = u"999999", .hintLine = 17,
     .asked = Variants::always(), .read = field<&WinchEnergy::W>},
    {.name = "P", .symbol = u"P", .unit = u"W", .label = u"Výkon", .box = 5, .hintLine = 18,
     .asked = Variants::always(), .read = field<&WinchEnergy::P>},
    {.name = "v", .symbol = u"v", .unit = u"m/s", .read = field<&WinchEnergy::v>},
}};

void MechanicsTasks::generatePressure(CalcExample& e, RandomSource& rnd)
{
    Pressure x;
    x.S = rnd.IntRnd(8, 2);
    x.p = static_cast<float>(rnd.IntRnd(45, 55)) / 10;
    x.m = static_cast<float>(RoundHalfEven(x.p * static_cast<float>(x.S), 1));
    askVariant(e, rnd, 3);
    e.assignmentLine = 12 + *e.asked;
    e.values = x;
    QuantityTable::fillBoxes(pressureQuantities, e);
}

void MechanicsTasks::generateWork(CalcExample& e, RandomSource& rnd)
{
    Work x;
    x.F = rnd.IntRnd(9, 1) * 10;
    x.s = rnd.IntRnd(9, 1);
    x.t = static_cast<float>(rnd.IntRnd(50, 50)) / 10;
    x.W = x.F * x.s;
    askVariant(e, rnd, 3);
    e.assignmentLine = 15 + *e.asked;
    e.values = x;
    QuantityTable::fillBoxes(workQuantities, e);
}

void MechanicsTasks::generateWinchPower(CalcExample& e, RandomSource& rnd)
{
    WinchPower x;
    int tenths = 0;  // t in tenths of a second, so that P × t is tested exactly
    do {
        x.P = rnd.IntRnd(701, 200);
        tenths = rnd.IntRnd(80, 20);
        x.s = static_cast<float>(rnd.IntRnd(60, 40)) / 10;
    } while (x.P * tenths > 320000 || (x.P * tenths) % 10 != 0);
    x.t = static_cast<float>(tenths) / 10;
    x.W = x.P * tenths / 10;
    askVariant(e, rnd, 3);
    e.assignmentLine = 19 + *e.asked;
    e.values = x;
    QuantityTable::fillBoxes(winchPowerQuantities, e);
}

void MechanicsTasks::generateWinchEnergy(CalcExample& e, RandomSource& rnd)
{
    WinchEnergy x;
    int tenths = 0;
    do {
        x.v = rnd.IntRnd(8, 2);
        x.m = rnd.IntRnd(8, 2) * 10;
        tenths = rnd.IntRnd(70, 30);
        x.t = static_cast<float>(tenths) / 10;
        x.h = static_cast<float>(RoundHalfEven(static_cast<float>(x.v) * x.t, 1));
        // h × m × 10 = v × tenths × m, kept within the 16-bit range.
    } while (x.v * tenths * x.m > 32000);
    x.W = x.v * tenths * x.m;
    x.P = static_cast<int>(RoundHalfEven(x.W / static_cast<double>(x.t), 0));
    e.assignmentLine = 19;
    e.values = x;
    QuantityTable::fillBoxes(winchEnergyQuantities, e);
}

} // namespace orbeta
