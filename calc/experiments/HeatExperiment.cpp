// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/experiments/HeatExperiment.h"

#include "calc/rules/HeatTasks.h"
#include "calc/basics/NumberText.h"
#include "calc/basics/QuantityTable.h"

#include <algorithm>
#include <span>

namespace orbeta {
namespace {

double heatTemperature(const HeatValues& x, int frame)
{
    return x.t1 + double(x.t2 - x.t1) * frame / HeatExperiment::kFrames;
}

double meltingTemperature(const MeltingValues& x, int frame)
{
    if (frame <= HeatExperiment::kMeltStart)
        return x.t1 * (1 - double(frame) / HeatExperiment::kMeltStart);
    if (frame <= HeatExperiment::kMeltEnd)
        return 0;
    return double(x.t2) * (frame - HeatExperiment::kMeltEnd) / (HeatExperiment::kFrames - HeatExperiment::kMeltEnd);
}

// The thermometer's reading in the box of t2, whole degrees; the last frame
// shows the example's own t2.
ExperimentReadings thermometer(std::span<const Quantity> quantities, const CalcExample& e, double temperature,
                               bool last)
{
    ExperimentReadings r;
    const Quantity& t2 = QuantityTable::named(quantities, "t2");
    if (t2.askedIn(e))
        return r;
    r.boxes[static_cast<std::size_t>(t2.box - 1)] =
        last ? QuantityTable::valueText(t2.read(e.values), t2.decimals) : FormatFixed(RoundHalfEven(temperature, 0), 0);
    return r;
}

} // namespace

int HeatExperiment::lastFrame(const CalcExample&)
{
    return kFrames;
}

ExperimentScene HeatExperiment::heatScene(const CalcExample& e, int frame)
{
    return HeatFrame{frame > 0, frame, heatTemperature(valuesOf<HeatValues>(e.values), frame)};
}

ExperimentReadings HeatExperiment::heatReadings(const CalcExample& e, int frame)
{
    return thermometer(HeatTasks::heatQuantities, e, heatTemperature(valuesOf<HeatValues>(e.values), frame),
                       frame >= kFrames);
}

ExperimentScene HeatExperiment::meltingScene(const CalcExample& e, int frame)
{
    const double melted = std::clamp(double(frame - kMeltStart) / (kMeltEnd - kMeltStart), 0.0, 1.0);
    return MeltingFrame{frame > 0, melted, meltingTemperature(valuesOf<MeltingValues>(e.values), frame)};
}

ExperimentReadings HeatExperiment::meltingReadings(const CalcExample& e, int frame)
{
    return thermometer(HeatTasks::meltingQuantities, e, meltingTemperature(valuesOf<MeltingValues>(e.values), frame),
                       frame >= kFrames);
}

} // namespace orbeta
