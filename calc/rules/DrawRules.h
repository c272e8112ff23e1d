// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/basics/CalcExample.h"
#include "calc/basics/RandomSource.h"

#include <array>
#include <cmath>
#include <cstddef>

namespace orbeta {

// Steps that the generation of several task families shares.

// Draws the variant of a task with k variants.
inline void askVariant(CalcExample& e, RandomSource& rnd, int k)
{
    e.asked = rnd.IntRnd(k, 1);
}

// Draws the variant of a task whose variants each read their assignment
// from a line of their own: `lines[v - 1]` for variant v.
template <std::size_t N>
void askVariantWithLines(CalcExample& e, RandomSource& rnd, const std::array<int, N>& lines)
{
    askVariant(e, rnd, int(N));
    e.assignmentLine = lines[static_cast<std::size_t>(*e.asked - 1)];
}

// Whether a value computed in double from decimal inputs has at most three
// decimals; the tolerance only absorbs the binary error of the inputs.
inline bool hasThreeDecimalsAtMost(double value)
{
    const double thousandths = value * 1000;
    return std::abs(thousandths - std::nearbyint(thousandths)) < 1e-6;
}

inline bool pairwiseDifferent(int a, int b, int c)
{
    return a != b && a != c && b != c;
}

} // namespace orbeta
