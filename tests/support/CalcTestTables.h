// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/tables/ExampleTable.h"
#include "calc/rules/GenerateExample.h"
#include "calc/basics/RandomSource.h"

// Tables with the kind of values the installed data files hold.
namespace orbeta::test {

inline ExampleTable liquidTable()
{
    return ExampleTable({0, 1.00, 0.79, 0.72, 1.26, 13.55, 0.92, 1.03, 0.87});
}

inline ExampleTable solidTable()
{
    return ExampleTable({0, 2.7, 7.8, 8.9, 11.3, 19.3, 10.5, 2.5, 0.7, 0.9, 7.3});
}

inline ExampleTable heatTable()
{
    return ExampleTable({0, 4.18, 0.90, 0.45, 0.38, 0.13});
}

// Ice and water, the headings of the second table, the latent heat of melting.
inline ExampleTable meltingTable()
{
    return ExampleTable({0, 2.09, 4.18, 0, 334});
}

inline ExampleTable tableFor(CalcTask task)
{
    switch (task) {
    case CalcTask::LiquidDensity: return liquidTable();
    case CalcTask::SolidDensity: return solidTable();
    case CalcTask::Heat: return heatTable();
    case CalcTask::Melting: return meltingTable();
    default: return {};
    }
}

// The example a seed gives with the tables above.
inline CalcExample generated(CalcTask task, std::uint64_t seed)
{
    RandomSource rnd(seed);
    return GenerateExample(task, tableFor(task), rnd);
}

// An example written by hand: its task, its variant and its values.
inline CalcExample example(CalcTask task, std::optional<int> asked, ExampleValues values)
{
    CalcExample e;
    e.task = task;
    e.asked = asked;
    e.values = values;
    return e;
}

} // namespace orbeta::test
