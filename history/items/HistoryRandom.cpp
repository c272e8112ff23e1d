// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/items/HistoryRandom.h"

namespace orbeta {

std::uint64_t HistoryRandom::next()
{
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

int HistoryRandom::below(int k)
{
    // 24 bits scaled, as Int(Rnd * k) with a Single Rnd.
    const std::uint64_t bits = next() >> 40;
    return int((bits * std::uint64_t(k)) >> 24);
}

} // namespace orbeta
