// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/basics/CalcExample.h"
#include "calc/basics/Quantity.h"
#include "calc/basics/RandomSource.h"

#include <array>
#include <string_view>

namespace orbeta {

struct CalcAnswer;

// The circuits with their meters: Ohm's law ("5a"), the energy of an
// appliance ("5b"), electric power ("5c"), resistors in series ("5d") and in
// parallel ("5e"). The meters show the given quantities only when the
// experiment runs: until then their boxes hold zero placeholders.
class CircuitTasks {
public:
    static const std::array<Quantity, 3> ohmsLawQuantities;
    static const std::array<Quantity, 6> energyQuantities;
    static const std::array<Quantity, 3> powerQuantities;
    static const std::array<Quantity, 5> seriesQuantities;
    static const std::array<Quantity, 6> parallelQuantities;

    static void generateOhmsLaw(CalcExample& e, RandomSource& rnd);
    static void generateEnergy(CalcExample& e, RandomSource& rnd);
    static void generatePower(CalcExample& e, RandomSource& rnd);
    static void generateSeries(CalcExample& e, RandomSource& rnd);
    static void generateParallel(CalcExample& e, RandomSource& rnd);

    // The given boxes of "5e" show their values after the experiment, so all
    // six must hold the example's values.
    static bool checkParallel(const CalcExample& e, const CalcAnswer& a);

    // The full scale of the meter that reads quantity `name` of the task: one
    // range (1, 2 or 5 times a power of ten) for all its examples, so that a
    // needle goes as far as its reading is large. 0 for a name without a meter.
    static double meterScale(CalcTask task, std::string_view name);
};

} // namespace orbeta
