// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/basics/RandomSource.h"

namespace orbeta {

std::uint64_t RandomSource::next()
{
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

double RandomSource::Rnd()
{
    return static_cast<double>(next() >> 40) * 0x1p-24;
}

int RandomSource::IntRnd(int k, int c)
{
    // Rnd is n / 2^24, so Int(Rnd * k + c) is (n * k) / 2^24 rounded down, plus c.
    return static_cast<int>(((next() >> 40) * static_cast<std::uint64_t>(k)) >> 24) + c;
}

} // namespace orbeta
