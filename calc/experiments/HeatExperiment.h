// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/basics/CalcExample.h"
#include "calc/experiments/ExperimentFrame.h"

#include <cstdint>

namespace orbeta {

// The experiments of the burner: the body heated until it glows while the
// thermometer climbs from t1 to t2 ("3a"); the ice warmed to 0 °C, melted,
// and the water warmed to t2 ("3b").
class HeatExperiment {
public:
    static constexpr std::uint32_t kFrameMs = 50;
    static constexpr int kFrames = 30;
    // "3b": the ice warms up to this frame, melts up to the next phase, then the water warms.
    static constexpr int kMeltStart = 10;
    static constexpr int kMeltEnd = 20;

    static int lastFrame(const CalcExample& e);

    static ExperimentScene heatScene(const CalcExample& e, int frame);
    static ExperimentReadings heatReadings(const CalcExample& e, int frame);

    static ExperimentScene meltingScene(const CalcExample& e, int frame);
    static ExperimentReadings meltingReadings(const CalcExample& e, int frame);
};

} // namespace orbeta
