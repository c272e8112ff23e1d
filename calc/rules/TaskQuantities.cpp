// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/rules/TaskQuantities.h"

#include "calc/rules/CircuitTasks.h"
#include "calc/rules/DensityTasks.h"
#include "calc/rules/HeatTasks.h"
#include "calc/rules/LeverTask.h"
#include "calc/rules/MechanicsTasks.h"
#include "calc/rules/MotionTasks.h"

namespace orbeta {

std::span<const Quantity> TaskQuantities::of(CalcTask task)
{
    switch (task) {
    case CalcTask::LiquidDensity: return DensityTasks::liquidQuantities;
    case CalcTask::SolidDensity: return DensityTasks::solidQuantities;
    case CalcTask::UniformMotion: return MotionTasks::uniformQuantities;
    case CalcTask::NonUniformMotion: return MotionTasks::nonUniformQuantities;
    case CalcTask::LiquidPressure: return MechanicsTasks::pressureQuantities;
    case CalcTask::MechanicalWork: return MechanicsTasks::workQuantities;
    case CalcTask::WinchPower: return MechanicsTasks::winchPowerQuantities;
    case CalcTask::WinchEnergy: return MechanicsTasks::winchEnergyQuantities;
    case CalcTask::Lever: return LeverTask::quantities;
    case CalcTask::Heat: return HeatTasks::heatQuantities;
    case CalcTask::Melting: return HeatTasks::meltingQuantities;
    case CalcTask::OhmsLaw: return CircuitTasks::ohmsLawQuantities;
    case CalcTask::ElectricEnergy: return CircuitTasks::energyQuantities;
    case CalcTask::ElectricPower: return CircuitTasks::powerQuantities;
    case CalcTask::SeriesResistors: return CircuitTasks::seriesQuantities;
    case CalcTask::ParallelResistors: return CircuitTasks::parallelQuantities;
    }
    return {};
}

} // namespace orbeta
