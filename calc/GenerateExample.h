#pragma once

#include "calc/CalcExample.h"
#include "calc/ExampleTable.h"
#include "calc/RandomSource.h"

namespace orbeta {

// Hint lines of the boxes whose tool tips the task table leaves open.
inline constexpr int kElectricEnergyHintLine = 27;
inline constexpr int kVoltageHintLine = 24;
inline constexpr int kApplianceInputHintLine = 28;
inline constexpr int kHoursHintLine = 11;
inline constexpr int kMinutesHintLine = 12;

// One new example of a calculation task: the quantities drawn within the
// task's ranges and steps and re-drawn until its acceptance rule holds, the
// asked variant, the assignment line, the answer boxes and the table row.
// `table` holds the numbers of the task's data file (ExampleTable::rowsNeeded
// rows); `rnd` is seeded once per example by the caller. Throws
// std::invalid_argument when the table is too short for the task.
CalcExample GenerateExample(CalcTask task, const ExampleTable& table, RandomSource& rnd);

} // namespace orbeta
