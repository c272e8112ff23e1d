// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/experiments/ExperimentPlan.h"

#include "calc/experiments/CircuitExperiment.h"
#include "calc/experiments/DensityExperiment.h"
#include "calc/experiments/HeatExperiment.h"
#include "calc/experiments/LeverExperiment.h"
#include "calc/experiments/MechanicsExperiment.h"
#include "calc/experiments/MotionExperiment.h"

#include <algorithm>

namespace orbeta {
namespace {

// The frames of one task, as its family of apparatus plays them.
struct TaskFrames {
    int (*lastFrame)(const CalcExample&);
    std::uint32_t frameMs;
    ExperimentScene (*scene)(const CalcExample&, int);
    ExperimentReadings (*readings)(const CalcExample&, int);
};

TaskFrames framesOf(CalcTask task)
{
    using D = DensityExperiment;
    using M = MotionExperiment;
    using H = HeatExperiment;
    using C = CircuitExperiment;
    switch (task) {
    case CalcTask::LiquidDensity: return {D::liquidLastFrame, D::kFrameMs, D::liquidScene, D::liquidReadings};
    case CalcTask::SolidDensity: return {D::solidLastFrame, D::kFrameMs, D::solidScene, D::solidReadings};
    case CalcTask::UniformMotion:
        return {M::uniformLastFrame, M::kUniformFrameMs, M::uniformScene, M::uniformReadings};
    case CalcTask::NonUniformMotion:
        return {M::nonUniformLastFrame, M::kNonUniformFrameMs, M::nonUniformScene, M::nonUniformReadings};
    case CalcTask::LiquidPressure:
        return {MechanicsExperiment::pressLastFrame, MechanicsExperiment::kPressFrameMs,
                MechanicsExperiment::pressScene, MechanicsExperiment::pressReadings};
    case CalcTask::MechanicalWork:
        return {MechanicsExperiment::boardLastFrame, MechanicsExperiment::kBoardFrameMs,
                MechanicsExperiment::boardScene, MechanicsExperiment::boardReadings};
    case CalcTask::WinchPower:
    case CalcTask::WinchEnergy:
        return {MechanicsExperiment::winchLastFrame, MechanicsExperiment::kWinchFrameMs,
                MechanicsExperiment::winchScene, MechanicsExperiment::winchReadings};
    case CalcTask::Lever:
        return {LeverExperiment::lastFrame, LeverExperiment::kFrameMs, LeverExperiment::scene,
                LeverExperiment::readings};
    case CalcTask::Heat: return {H::lastFrame, H::kFrameMs, H::heatScene, H::heatReadings};
    case CalcTask::Melting: return {H::lastFrame, H::kFrameMs, H::meltingScene, H::meltingReadings};
    case CalcTask::OhmsLaw:
    case CalcTask::ElectricPower:
    case CalcTask::SeriesResistors:
    case CalcTask::ParallelResistors:
        return {C::metersLastFrame, C::kFrameMs, C::metersScene, C::metersReadings};
    case CalcTask::ElectricEnergy: return {C::energyLastFrame, C::kFrameMs, C::energyScene, C::energyReadings};
    }
    // Every task has its case above; only a value outside the enum gets here.
    return {D::liquidLastFrame, D::kFrameMs, D::liquidScene, D::liquidReadings};
}

int clamped(const CalcExample& e, int frame)
{
    return std::clamp(frame, 0, ExperimentPlan::lastFrame(e));
}

} // namespace

int ExperimentPlan::lastFrame(const CalcExample& example)
{
    return framesOf(example.task).lastFrame(example);
}

std::uint32_t ExperimentPlan::frameMs(const CalcExample& example)
{
    return framesOf(example.task).frameMs;
}

ExperimentScene ExperimentPlan::scene(const CalcExample& example, int frame)
{
    return framesOf(example.task).scene(example, clamped(example, frame));
}

ExperimentReadings ExperimentPlan::readings(const CalcExample& example, int frame)
{
    return framesOf(example.task).readings(example, clamped(example, frame));
}

} // namespace orbeta
