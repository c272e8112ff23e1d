// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/experiments/MechanicsExperiment.h"

#include "calc/rules/MechanicsTasks.h"
#include "calc/basics/NumberText.h"
#include "calc/basics/QuantityTable.h"

#include <cmath>
#include <span>

namespace orbeta {
namespace {

// A meter's box, unless the pupil must find its quantity: the value so far,
// rounded half to even like the generation, with one decimal.
void showMeter(ExperimentReadings& r, const CalcExample& e, std::span<const Quantity> quantities, const char* name,
               double soFar)
{
    const Quantity& q = QuantityTable::named(quantities, name);
    if (q.askedIn(e))
        return;
    r.boxes[static_cast<std::size_t>(q.box - 1)] = FormatFixed(RoundHalfEven(soFar, 1), 1);
}

double fraction(int frame, int last)
{
    return last > 0 ? double(frame) / last : 1.0;
}

// The winch's lift and its time, whichever of the two tasks it is.
struct Lift {
    double metres;
    float seconds;
};

Lift liftOf(const CalcExample& e)
{
    if (const auto* power = std::get_if<WinchPowerValues>(&e.values))
        return {double(power->s), power->t};
    const auto& energy = valuesOf<WinchEnergyValues>(e.values);
    return {double(energy.h), energy.t};
}

} // namespace

int MechanicsExperiment::pressLastFrame(const CalcExample&)
{
    return kPressFrames;
}

ExperimentScene MechanicsExperiment::pressScene(const CalcExample&, int frame)
{
    return LiquidPressureFrame{fraction(frame, kPressFrames)};
}

ExperimentReadings MechanicsExperiment::pressReadings(const CalcExample& e, int frame)
{
    ExperimentReadings r;
    const Quantity& p = QuantityTable::named(MechanicsTasks::pressureQuantities, "P");
    if (p.askedIn(e))
        return r;
    // The gauge's box shows the pressure once the weight rests on the piston.
    r.boxes[static_cast<std::size_t>(p.box - 1)] =
        frame >= kPressFrames ? QuantityTable::valueText(p.read(e.values), 1) : QStringLiteral("0,0");
    return r;
}

int MechanicsExperiment::boardLastFrame(const CalcExample& e)
{
    // A tenth of a metre a frame.
    return 10 * valuesOf<MechanicalWorkValues>(e.values).s;
}

ExperimentScene MechanicsExperiment::boardScene(const CalcExample& e, int frame)
{
    return MechanicalWorkFrame{fraction(frame, boardLastFrame(e))};
}

ExperimentReadings MechanicsExperiment::boardReadings(const CalcExample& e, int frame)
{
    const auto& x = valuesOf<MechanicalWorkValues>(e.values);
    const int last = boardLastFrame(e);
    ExperimentReadings r;
    showMeter(r, e, MechanicsTasks::workQuantities, "s", frame / 10.0);
    showMeter(r, e, MechanicsTasks::workQuantities, "t", frame >= last ? double(x.t) : x.t * fraction(frame, last));
    return r;
}

int MechanicsExperiment::winchLastFrame(const CalcExample& e)
{
    // A tenth of a second a frame: the run takes the example's time.
    return int(std::lround(double(liftOf(e).seconds) * 10));
}

ExperimentScene MechanicsExperiment::winchScene(const CalcExample& e, int frame)
{
    return WinchFrame{fraction(frame, winchLastFrame(e))};
}

ExperimentReadings MechanicsExperiment::winchReadings(const CalcExample& e, int frame)
{
    const Lift lift = liftOf(e);
    const int last = winchLastFrame(e);
    const bool power = e.task == CalcTask::WinchPower;
    const std::span<const Quantity> quantities =
        power ? std::span<const Quantity>(MechanicsTasks::winchPowerQuantities)
              : std::span<const Quantity>(MechanicsTasks::winchEnergyQuantities);
    ExperimentReadings r;
    showMeter(r, e, quantities, power ? "s" : "h", frame >= last ? lift.metres : lift.metres * fraction(frame, last));
    showMeter(r, e, quantities, "t", frame >= last ? double(lift.seconds) : frame / 10.0);
    return r;
}

} // namespace orbeta
