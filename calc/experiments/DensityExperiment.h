// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/basics/CalcExample.h"
#include "calc/experiments/ExperimentFrame.h"

#include <cstdint>

namespace orbeta {

// The experiments of the measuring cylinder: the liquid poured onto the
// scale in 10 ml steps ("1a"), the body lowered into the liquid until it
// rests on the bottom ("1b").
class DensityExperiment {
public:
    static constexpr std::uint32_t kFrameMs = 100;
    static constexpr int kStepMl = 10;
    // Frames of "1b" in which the body comes down to the liquid's surface.
    static constexpr int kLoweringFrames = 5;
    // Before it is lowered, the body's bottom hangs at the height of this mark,
    // above the rim of the 200 ml cylinder; bodyDrop is linear in that height.
    static constexpr int kHangingMl = 250;

    static int liquidLastFrame(const CalcExample& e);
    static ExperimentScene liquidScene(const CalcExample& e, int frame);
    static ExperimentReadings liquidReadings(const CalcExample& e, int frame);

    static int solidLastFrame(const CalcExample& e);
    static ExperimentScene solidScene(const CalcExample& e, int frame);
    static ExperimentReadings solidReadings(const CalcExample& e, int frame);
};

} // namespace orbeta
