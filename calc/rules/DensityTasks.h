// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/basics/CalcExample.h"
#include "calc/tables/ExampleTable.h"
#include "calc/basics/Quantity.h"
#include "calc/basics/RandomSource.h"

#include <array>

namespace orbeta {

// The measuring cylinder on the scale: the density of a liquid ("1a") and of
// a solid body sunk in the liquid ("1b"), the density read from the table.
class DensityTasks {
public:
    static const std::array<Quantity, 4> liquidQuantities;
    static const std::array<Quantity, 6> solidQuantities;

    static void generateLiquid(CalcExample& e, const ExampleTable& table, RandomSource& rnd);
    static void generateSolid(CalcExample& e, const ExampleTable& table, RandomSource& rnd);
};

} // namespace orbeta
