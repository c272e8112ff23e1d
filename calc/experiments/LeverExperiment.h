// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/basics/CalcExample.h"
#include "calc/experiments/ExperimentFrame.h"

#include <cstdint>

namespace orbeta {

// The experiment of "2e": the lever let go, a frame a second. Which way it
// tips depends on the weights the pupil hung, which the scene knows; the
// frames only say how far.
class LeverExperiment {
public:
    static constexpr std::uint32_t kFrameMs = 1000;
    static constexpr int kLastFrame = 2;

    static int lastFrame(const CalcExample& e);
    static ExperimentScene scene(const CalcExample& e, int frame);
    static ExperimentReadings readings(const CalcExample& e, int frame);
};

} // namespace orbeta
