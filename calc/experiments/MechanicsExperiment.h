// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/basics/CalcExample.h"
#include "calc/experiments/ExperimentFrame.h"

#include <cstdint>

namespace orbeta {

// The experiments of "2a" to "2d": the weight lowered onto the piston while
// the tube shows the pressure, the body pulled up the board a tenth of a
// metre a frame, and the winch lifting its load a tenth of a second a frame,
// its meters reading the distance and the time so far.
class MechanicsExperiment {
public:
    static constexpr std::uint32_t kPressFrameMs = 50;
    static constexpr std::uint32_t kBoardFrameMs = 100;
    static constexpr std::uint32_t kWinchFrameMs = 100;
    static constexpr int kPressFrames = 10;

    static int pressLastFrame(const CalcExample& e);
    static ExperimentScene pressScene(const CalcExample& e, int frame);
    static ExperimentReadings pressReadings(const CalcExample& e, int frame);

    static int boardLastFrame(const CalcExample& e);
    static ExperimentScene boardScene(const CalcExample& e, int frame);
    static ExperimentReadings boardReadings(const CalcExample& e, int frame);

    // "2c" and "2d".
    static int winchLastFrame(const CalcExample& e);
    static ExperimentScene winchScene(const CalcExample& e, int frame);
    static ExperimentReadings winchReadings(const CalcExample& e, int frame);
};

} // namespace orbeta
