// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <array>
#include <optional>
#include <variant>

namespace orbeta {

// What the scene of an example shows at one frame of its experiment, in the
// units of the apparatus. Frame 0 is the scene as a new example shows it.

struct LiquidDensityFrame {  // "1a"
    int liquidMl = 0;        // the level in the cylinder
};

struct SolidDensityFrame {   // "1b"
    int liquidMl = 0;        // the level, V1 until the body dips in, V2 at the end
    double bodyDrop = 0;     // the body from hanging above the cylinder (0) to resting on its bottom (1)
};

struct UniformMotionFrame {  // "1c"
    double travelled = 0;    // fraction of the track, 0 to 1
};

struct NonUniformMotionFrame {  // "1d"
    int leg = 1;             // 1: start city to E, 2: E to the target city
    double point = 0;        // 0 to 40 along the leg, in the direction of travel
};

struct HeatFrame {           // "3a"
    bool burning = false;    // the burner's flame
    int glow = 0;            // 0 to 30: the body from dark red to glowing
    double temperature = 0;  // °C on the thermometer
};

struct MeltingFrame {        // "3b"
    bool burning = false;
    double melted = 0;       // the ice turned into water, 0 to 1
    double temperature = 0;  // °C on the thermometer
};

struct CircuitFrame {        // "5a" to "5e"
    double switchClosed = 0; // the switch's lever from open (0) to closed (1)
    double reached = 0;      // the meters from rest (0) to the example's readings (1)
    int minutes = 0;         // "5b": the clock since the switch closed
};

struct LiquidPressureFrame {  // "2a"
    double lowered = 0;      // the weight from hanging (0) to resting on the piston (1)
};

struct MechanicalWorkFrame {  // "2b"
    double travelled = 0;    // fraction of the pull, 0 to 1
};

struct WinchFrame {          // "2c", "2d"
    double lifted = 0;       // fraction of the lift, 0 to 1
};

struct LeverFrame {          // "2e"
    double tipped = 0;       // from level (0) to tipped to the heavier side (1), level when balanced
};

using ExperimentScene = std::variant<std::monostate, LiquidDensityFrame, SolidDensityFrame,
                                     UniformMotionFrame, NonUniformMotionFrame, LiquidPressureFrame,
                                     MechanicalWorkFrame, WinchFrame, LeverFrame, HeatFrame, MeltingFrame,
                                     CircuitFrame>;

// The texts that the measuring instruments write into the value fields at
// one frame; a field without a value is left as it is.
struct ExperimentReadings {
    std::array<std::optional<QString>, 6> boxes{};        // `TVstup(1..6)`
    std::array<std::optional<QString>, 2> finishBoxes{};  // `TCil(1..2)`
};

} // namespace orbeta
