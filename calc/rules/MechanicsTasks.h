// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/basics/CalcExample.h"
#include "calc/basics/Quantity.h"
#include "calc/basics/RandomSource.h"

#include <array>

namespace orbeta {

// The piston ("2a"), the board pulled along the table ("2b") and the winches
// ("2c" power, "2d" energy and power).
class MechanicsTasks {
public:
    static const std::array<Quantity, 3> pressureQuantities;
    static const std::array<Quantity, 4> workQuantities;
    static const std::array<Quantity, 4> winchPowerQuantities;
    static const std::array<Quantity, 6> winchEnergyQuantities;

    static void generatePressure(CalcExample& e, RandomSource& rnd);
    static void generateWork(CalcExample& e, RandomSource& rnd);
    static void generateWinchPower(CalcExample& e, RandomSource& rnd);
    static void generateWinchEnergy(CalcExample& e, RandomSource& rnd);
};

} // namespace orbeta
