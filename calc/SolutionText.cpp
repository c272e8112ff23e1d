// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/SolutionText.h"

#include "calc/LeverTask.h"
#include "calc/MotionTasks.h"
#include "calc/TaskQuantities.h"

namespace orbeta {

QString SolutionText(const CalcExample& example)
{
    switch (example.task) {
    case CalcTask::NonUniformMotion: return MotionTasks::nonUniformSolution(example);
    case CalcTask::Lever: return LeverTask::solution(example);
    default: return TaskQuantities::solutionLines(example);
    }
}

} // namespace orbeta
