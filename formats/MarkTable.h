// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>

namespace orbeta {

// One row of the mark table: a percentage range (both bounds inclusive) and
// the mark it gives.
struct MarkRow {
    std::uint8_t lower = 0;
    std::uint8_t upper = 0;
    std::uint8_t mark = 0;
};

// Five rows, in file order; a row missing from the file stays all zero.
using MarkTable = std::array<MarkRow, 5>;

} // namespace orbeta
