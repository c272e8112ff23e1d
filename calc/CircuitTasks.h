#pragma once

#include "calc/CalcExample.h"
#include "calc/Quantity.h"
#include "calc/RandomSource.h"

#include <array>

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
};

} // namespace orbeta
