// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/CheckExample.h"

#include "calc/CircuitTasks.h"
#include "calc/LeverTask.h"
#include "calc/MotionTasks.h"
#include "calc/TaskQuantities.h"

namespace orbeta {

bool CheckExample(const CalcExample& example, const CalcAnswer& answer)
{
    switch (example.task) {
    case CalcTask::NonUniformMotion: return MotionTasks::checkNonUniform(example, answer);
    case CalcTask::Lever: return LeverTask::check(example, answer);
    case CalcTask::ParallelResistors: return CircuitTasks::checkParallel(example, answer);
    default: return TaskQuantities::askedAreRight(example, answer);
    }
}

} // namespace orbeta
