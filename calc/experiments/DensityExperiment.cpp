// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/experiments/DensityExperiment.h"

#include "calc/rules/DensityTasks.h"
#include "calc/basics/NumberText.h"
#include "calc/basics/QuantityTable.h"

#include <algorithm>

namespace orbeta {
namespace {

using Liquid = LiquidDensityValues;
using Solid = SolidDensityValues;

std::optional<QString>& box(ExperimentReadings& r, int n)
{
    return r.boxes[static_cast<std::size_t>(n - 1)];
}

// The level of "1b" after the body has sunk `frame - kLoweringFrames` steps.
int solidLevel(const Solid& x, int frame)
{
    const int sunk = std::max(0, frame - DensityExperiment::kLoweringFrames);
    return x.V1 + DensityExperiment::kStepMl * sunk;
}

} // namespace

int DensityExperiment::liquidLastFrame(const CalcExample& e)
{
    return valuesOf<Liquid>(e.values).V / kStepMl;
}

ExperimentScene DensityExperiment::liquidScene(const CalcExample&, int frame)
{
    return LiquidDensityFrame{kStepMl * frame};
}

ExperimentReadings DensityExperiment::liquidReadings(const CalcExample& e, int frame)
{
    ExperimentReadings r;
    const Quantity& scale = QuantityTable::named(DensityTasks::liquidQuantities, "m2");
    // The pupil who must find m2 is not shown the scale.
    if (scale.askedIn(e))
        return r;
    const Liquid& x = valuesOf<Liquid>(e.values);
    // The last frame shows the example's own m2, whatever the sum of the steps rounds to.
    const double grams = frame == liquidLastFrame(e) ? double(x.m2) : x.m1 + kStepMl * frame * double(x.rho);
    box(r, scale.box) = FormatFixed(grams, scale.decimals);
    return r;
}

int DensityExperiment::solidLastFrame(const CalcExample& e)
{
    return kLoweringFrames + valuesOf<Solid>(e.values).Vt / kStepMl;
}

ExperimentScene DensityExperiment::solidScene(const CalcExample& e, int frame)
{
    const Solid& x = valuesOf<Solid>(e.values);
    const double touching = double(kHangingMl - x.V1) / kHangingMl;
    if (frame <= kLoweringFrames)
        return SolidDensityFrame{x.V1, touching * frame / kLoweringFrames};
    const int steps = x.Vt / kStepMl;
    const int sunk = frame - kLoweringFrames;
    return SolidDensityFrame{solidLevel(x, frame), touching + (1 - touching) * sunk / steps};
}

ExperimentReadings DensityExperiment::solidReadings(const CalcExample& e, int frame)
{
    const Solid& x = valuesOf<Solid>(e.values);
    const auto& quantities = DensityTasks::solidQuantities;
    ExperimentReadings r;
    for (const char* given : {"m", "V1"}) {
        const Quantity& q = QuantityTable::named(quantities, given);
        if (!q.askedIn(e))
            box(r, q.box) = QuantityTable::valueText(q.read(e.values), kPlainDecimals);
    }
    // The cylinder's scale rises with the liquid.
    const Quantity& level = QuantityTable::named(quantities, "V2");
    if (!level.askedIn(e))
        box(r, level.box) = PlainNumber(solidLevel(x, frame));
    return r;
}

} // namespace orbeta
