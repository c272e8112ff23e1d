// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/basics/CalcExample.h"
#include "calc/tables/ExampleTable.h"
#include "calc/basics/Quantity.h"
#include "calc/basics/RandomSource.h"

#include <array>

namespace orbeta {

// The burner heating a metal ("3a", the specific heat from the table) and
// melting ice into warm water ("3b"). Both ask for the heat; the final
// temperature is read off the thermometer of the experiment.
class HeatTasks {
public:
    static const std::array<Quantity, 5> heatQuantities;
    static const std::array<Quantity, 7> meltingQuantities;

    static void generateHeat(CalcExample& e, const ExampleTable& table, RandomSource& rnd);
    static void generateMelting(CalcExample& e, const ExampleTable& table, RandomSource& rnd);
};

} // namespace orbeta
