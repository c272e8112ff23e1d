// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/basics/CalcExample.h"
#include "calc/experiments/ExperimentFrame.h"

#include <cstdint>

namespace orbeta {

// The experiments of the circuits: the switch closes, then the needles of
// the meters rise to the example's readings ("5a", "5c", "5d", "5e"); for
// "5b" the switch closes, the clock runs for the appliance's working time
// and the switch opens again.
class CircuitExperiment {
public:
    static constexpr std::uint32_t kFrameMs = 50;
    static constexpr int kSwitchFrames = 5;
    static constexpr int kRisingFrames = 20;
    // "5b": the clock runs this many minutes a frame.
    static constexpr int kMinutesPerFrame = 2;

    static int metersLastFrame(const CalcExample& e);
    static ExperimentScene metersScene(const CalcExample& e, int frame);
    static ExperimentReadings metersReadings(const CalcExample& e, int frame);

    static int energyLastFrame(const CalcExample& e);
    static ExperimentScene energyScene(const CalcExample& e, int frame);
    static ExperimentReadings energyReadings(const CalcExample& e, int frame);
};

} // namespace orbeta
