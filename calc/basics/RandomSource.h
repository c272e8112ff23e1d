// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace orbeta {

// The uniform generator of the examples: the same seed gives the same
// sequence on every machine and compiler (SplitMix64, no library
// distributions). Rnd() has 24 random bits, like the Single it stands for,
// so that Int(Rnd() * k + c) is computed exactly in double for every k and c
// the generators use and can never reach k + c.
class RandomSource {
public:
    explicit RandomSource(std::uint64_t seed) : m_state(seed) {}

    // Uniform in [0, 1), a multiple of 2^-24.
    double Rnd();

    // Int(Rnd * k + c) for whole k >= 1 and c, drawn in whole numbers: the
    // same value as from Rnd(), without a floating-point round trip (the
    // re-draw loops of "2e" draw about a thousand numbers per example).
    int IntRnd(int k, int c);

private:
    std::uint64_t next();

    std::uint64_t m_state;
};

} // namespace orbeta
