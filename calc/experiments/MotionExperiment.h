// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/basics/CalcExample.h"
#include "calc/experiments/ExperimentFrame.h"

#include <cstdint>

namespace orbeta {

// The experiments of the moving vehicles: the cart covering its track a
// tenth of a metre per frame ("1c"), the car driving start city → E →
// target city with the arrival clock running ("1d").
class MotionExperiment {
public:
    static constexpr std::uint32_t kUniformFrameMs = 100;
    static constexpr std::uint32_t kNonUniformFrameMs = 50;
    // Points of one leg of "1d"; the second leg's frames follow the first's.
    static constexpr int kLegPoints = 40;

    static int uniformLastFrame(const CalcExample& e);
    static ExperimentScene uniformScene(const CalcExample& e, int frame);
    static ExperimentReadings uniformReadings(const CalcExample& e, int frame);

    static int nonUniformLastFrame(const CalcExample& e);
    static ExperimentScene nonUniformScene(const CalcExample& e, int frame);
    static ExperimentReadings nonUniformReadings(const CalcExample& e, int frame);
};

} // namespace orbeta
