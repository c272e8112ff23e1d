// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/experiments/MotionExperiment.h"

#include "calc/rules/MotionTasks.h"
#include "calc/basics/NumberText.h"
#include "calc/basics/QuantityTable.h"

#include <algorithm>
#include <cmath>

namespace orbeta {
namespace {

using Uniform = UniformMotionValues;
using NonUniform = NonUniformMotionValues;

// s and v in whole hundredths and tenths, so that no binary fraction decides
// the frame count or a reading.
long hundredths(float value)
{
    return std::lround(double(value) * 100);
}

long tenths(float value)
{
    return std::lround(double(value) * 10);
}

} // namespace

int MotionExperiment::uniformLastFrame(const CalcExample& e)
{
    // A tenth of a metre per frame, the last frame a part of a step when s is not whole tenths.
    return int((hundredths(valuesOf<Uniform>(e.values).s) + 9) / 10);
}

ExperimentScene MotionExperiment::uniformScene(const CalcExample& e, int frame)
{
    const long track = hundredths(valuesOf<Uniform>(e.values).s);
    if (frame >= uniformLastFrame(e))
        return UniformMotionFrame{1.0};
    return UniformMotionFrame{double(10 * frame) / double(track)};
}

ExperimentReadings MotionExperiment::uniformReadings(const CalcExample& e, int frame)
{
    const Uniform& x = valuesOf<Uniform>(e.values);
    const bool last = frame >= uniformLastFrame(e);
    ExperimentReadings r;
    // A given box shows the value so far, rounded half to even like the
    // generation; the last frame the example's own value as the generation wrote it.
    const auto show = [&](const char* name, double soFar) {
        const Quantity& q = QuantityTable::named(MotionTasks::uniformQuantities, name);
        if (q.askedIn(e))
            return;
        r.boxes[static_cast<std::size_t>(q.box - 1)] =
            last ? QuantityTable::valueText(q.read(e.values), q.decimals)
                 : FormatFixed(RoundHalfEven(soFar, q.decimals), q.decimals);
    };
    show("v", double(x.v));
    show("s", frame / 10.0);
    show("t", double(frame) / double(tenths(x.v)));
    return r;
}

int MotionExperiment::nonUniformLastFrame(const CalcExample&)
{
    return 2 * kLegPoints;
}

ExperimentScene MotionExperiment::nonUniformScene(const CalcExample& e, int frame)
{
    // The car keeps the example's one speed: at frame f it has driven f / last
    // of s₁ + s₂, so it reaches E at s₁ / v whatever the two roads' lengths.
    const NonUniform& x = valuesOf<NonUniform>(e.values);
    const int last = nonUniformLastFrame(e);
    const double part = double(std::clamp(frame, 0, last)) / last;
    const double s1 = std::max(x.s1, 1);
    const double s2 = std::max(x.s2, 1);
    const double driven = part * (s1 + s2);
    if (driven <= s1)
        return NonUniformMotionFrame{1, driven / s1 * kLegPoints};
    return NonUniformMotionFrame{2, (driven - s1) / s2 * kLegPoints};
}

ExperimentReadings MotionExperiment::nonUniformReadings(const CalcExample& e, int frame)
{
    ExperimentReadings r;
    // The pupil who must find the arrival time does not see the clock.
    if (QuantityTable::named(MotionTasks::nonUniformQuantities, "t").askedIn(e))
        return r;
    const int t = valuesOf<NonUniform>(e.values).t;
    const int last = nonUniformLastFrame(e);
    const int minutes = frame >= last ? t : int(RoundHalfEven(double(frame) * t / last, 0));
    r.finishBoxes = {QString::number(minutes / 60), QStringLiteral("%1").arg(minutes % 60, 2, 10, QLatin1Char('0'))};
    return r;
}

} // namespace orbeta
