// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/grading/CheckExample.h"

#include "calc/rules/CircuitTasks.h"
#include "calc/rules/LeverTask.h"
#include "calc/rules/MotionTasks.h"
#include "calc/basics/QuantityTable.h"
#include "calc/rules/TaskQuantities.h"

namespace orbeta {

bool CheckExample(const CalcExample& example, const CalcAnswer& answer)
{
    switch (example.task) {
    case CalcTask::NonUniformMotion: return MotionTasks::checkNonUniform(example, answer);
    case CalcTask::Lever: return LeverTask::check(example, answer);
    case CalcTask::ParallelResistors: return CircuitTasks::checkParallel(example, answer);
    default: return QuantityTable::askedAreRight(TaskQuantities::of(example.task), example, answer);
    }
}

} // namespace orbeta
