// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace orbeta {

// The uniform generator of the history screens: the same seed gives the
// same screens on every machine (SplitMix64, no library distributions).
class HistoryRandom {
public:
    explicit HistoryRandom(std::uint64_t seed) : m_state(seed) {}

    // A whole number from 0 to k - 1, for k >= 1.
    int below(int k);

private:
    std::uint64_t next();

    std::uint64_t m_state;
};

} // namespace orbeta
