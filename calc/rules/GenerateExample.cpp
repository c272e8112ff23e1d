// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/rules/GenerateExample.h"

#include "calc/rules/CircuitTasks.h"
#include "calc/rules/DensityTasks.h"
#include "calc/rules/HeatTasks.h"
#include "calc/rules/LeverTask.h"
#include "calc/rules/MechanicsTasks.h"
#include "calc/rules/MotionTasks.h"

namespace orbeta {

CalcExample GenerateExample(CalcTask task, const ExampleTable& table, RandomSource& rnd)
{
    Q_ASSERT(table.rows() >= ExampleTable::rowsNeeded(task));
    CalcExample e;
    e.task = task;
    switch (task) {
    case CalcTask::LiquidDensity: DensityTasks::generateLiquid(e, table, rnd); break;
    case CalcTask::SolidDensity: DensityTasks::generateSolid(e, table, rnd); break;
    case CalcTask::UniformMotion: MotionTasks::generateUniform(e, rnd); break;
    case CalcTask::NonUniformMotion: MotionTasks::generateNonUniform(e, rnd); break;
    case CalcTask::LiquidPressure: MechanicsTasks::generatePressure(e, rnd); break;
    case CalcTask::MechanicalWork: MechanicsTasks::generateWork(e, rnd); break;
    case CalcTask::WinchPower: MechanicsTasks::generateWinchPower(e, rnd); break;
    case CalcTask::WinchEnergy: MechanicsTasks::generateWinchEnergy(e, rnd); break;
    case CalcTask::Lever: LeverTask::generate(e, rnd); break;
    case CalcTask::Heat: HeatTasks::generateHeat(e, table, rnd); break;
    case CalcTask::Melting: HeatTasks::generateMelting(e, table, rnd); break;
    case CalcTask::OhmsLaw: CircuitTasks::generateOhmsLaw(e, rnd); break;
    case CalcTask::ElectricEnergy: CircuitTasks::generateEnergy(e, rnd); break;
    case CalcTask::ElectricPower: CircuitTasks::generatePower(e, rnd); break;
    case CalcTask::SeriesResistors: CircuitTasks::generateSeries(e, rnd); break;
    case CalcTask::ParallelResistors: CircuitTasks::generateParallel(e, rnd); break;
    }
    return e;
}

} // namespace orbeta
