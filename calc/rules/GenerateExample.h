// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/basics/CalcExample.h"
#include "calc/tables/ExampleTable.h"
#include "calc/basics/RandomSource.h"

namespace orbeta {

// One new example of a calculation task: the quantities drawn within the
// task's ranges and steps and re-drawn until its acceptance rule holds, the
// asked variant, the assignment line, the answer boxes and the table row.
// `table` holds the numbers of the task's data file, at least
// ExampleTable::rowsNeeded rows (ExampleTable::fromCalcTable refuses fewer);
// `rnd` is seeded once per example by the caller.
CalcExample GenerateExample(CalcTask task, const ExampleTable& table, RandomSource& rnd);

} // namespace orbeta
