#pragma once

#include "calc/CalcExample.h"
#include "calc/ExampleTable.h"
#include "calc/RandomSource.h"

namespace orbeta {

// The hint line that explains the electric energy E of "5b".
inline constexpr int kElectricEnergyHintLine = 27;

// One new example of a calculation task: the quantities drawn within the
// task's ranges and steps and re-drawn until its acceptance rule holds, the
// asked variant, the assignment line, the answer boxes and the table row.
// `table` holds the numbers of the task's data file (ExampleTable::rowsNeeded
// rows); `rnd` is seeded once per example by the caller. Throws
// std::invalid_argument when the table is too short for the task.
CalcExample GenerateExample(CalcTask task, const ExampleTable& table, RandomSource& rnd);

} // namespace orbeta
