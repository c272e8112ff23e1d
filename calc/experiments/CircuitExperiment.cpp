// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/experiments/CircuitExperiment.h"

#include "calc/basics/NumberText.h"
#include "calc/basics/QuantityTable.h"
#include "calc/rules/TaskQuantities.h"

#include <algorithm>

namespace orbeta {
namespace {

double switchClosed(int frame)
{
    return std::min(1.0, double(frame) / CircuitExperiment::kSwitchFrames);
}

double reached(int frame)
{
    return std::clamp(double(frame - CircuitExperiment::kSwitchFrames) / CircuitExperiment::kRisingFrames, 0.0, 1.0);
}

bool isMeter(const Quantity& q)
{
    return q.unit == u"A" || q.unit == u"V";
}

int energyMinutes(const CalcExample& e, int frame)
{
    const int t = valuesOf<ElectricEnergyValues>(e.values).t;
    return std::clamp((frame - CircuitExperiment::kSwitchFrames) * CircuitExperiment::kMinutesPerFrame, 0, t);
}

} // namespace

int CircuitExperiment::metersLastFrame(const CalcExample&)
{
    return kSwitchFrames + kRisingFrames;
}

ExperimentScene CircuitExperiment::metersScene(const CalcExample&, int frame)
{
    return CircuitFrame{switchClosed(frame), reached(frame), 0};
}

ExperimentReadings CircuitExperiment::metersReadings(const CalcExample& e, int frame)
{
    ExperimentReadings r;
    const bool last = frame >= metersLastFrame(e);
    for (const Quantity& q : TaskQuantities::of(e.task)) {
        if (q.box == 0 || q.askedIn(e))
            continue;
        auto& box = r.boxes[static_cast<std::size_t>(q.box - 1)];
        // At the end every box not asked holds its value: the meters' readings,
        // and the resistances and power given on their labels.
        if (last) {
            box = QuantityTable::valueText(q.read(e.values), q.decimals);
        } else if (isMeter(q) && frame > kSwitchFrames) {
            const Reading value = q.read(e.values);
            const double full = std::holds_alternative<float>(value) ? double(std::get<float>(value))
                                                                     : double(std::get<int>(value));
            box = FormatFixed(RoundHalfEven(full * reached(frame), q.decimals), q.decimals);
        }
    }
    return r;
}

int CircuitExperiment::energyLastFrame(const CalcExample& e)
{
    return 2 * kSwitchFrames + valuesOf<ElectricEnergyValues>(e.values).t / kMinutesPerFrame;
}

ExperimentScene CircuitExperiment::energyScene(const CalcExample& e, int frame)
{
    const int opening = energyLastFrame(e) - kSwitchFrames;
    const double closed = frame <= opening ? switchClosed(frame) : double(energyLastFrame(e) - frame) / kSwitchFrames;
    return CircuitFrame{closed, closed, energyMinutes(e, frame)};
}

ExperimentReadings CircuitExperiment::energyReadings(const CalcExample& e, int frame)
{
    ExperimentReadings r;
    const int minutes = energyMinutes(e, frame);
    r.finishBoxes = {QString::number(minutes / 60), QStringLiteral("%1").arg(minutes % 60, 2, 10, QLatin1Char('0'))};
    return r;
}

} // namespace orbeta
