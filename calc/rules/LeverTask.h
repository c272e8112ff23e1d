// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/basics/CalcAnswer.h"
#include "calc/basics/CalcExample.h"
#include "calc/basics/Quantity.h"
#include "calc/basics/RandomSource.h"

#include <QString>
#include <array>

namespace orbeta {

// The lever as the example starts it: the weights that already hang.
LeverState InitialLever(const LeverValues& lever);

// The moment sums of the two sides.
int LeftMoment(const LeverState& lever);
int RightMoment(const LeverState& lever);

// The lever ("2e"): the pupil hangs a weight so that the lever balances. It
// has no answer boxes; any balance counts.
class LeverTask {
public:
    static const std::array<Quantity, 3> quantities;

    static void generate(CalcExample& e, RandomSource& rnd);
    static bool check(const CalcExample& e, const CalcAnswer& a);
    static QString solution(const CalcExample& e);
};

} // namespace orbeta
