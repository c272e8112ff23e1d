// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/basics/CalcExample.h"
#include "calc/experiments/ExperimentFrame.h"

#include <cstdint>

namespace orbeta {

// The frames of one task's experiment: how many, how far apart, and what the
// scene and the instruments show at each. The families of apparatus answer
// for their tasks; a task without an experiment yet has a single frame that
// shows the example as generated.
class ExperimentPlan {
public:
    static int lastFrame(const CalcExample& example);
    static std::uint32_t frameMs(const CalcExample& example);
    static ExperimentScene scene(const CalcExample& example, int frame);
    static ExperimentReadings readings(const CalcExample& example, int frame);
};

} // namespace orbeta
