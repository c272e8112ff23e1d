// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "history/deck/HistoryDeck.h"
#include "print/plan/HistoryGroup.h"

#include <cstdint>
#include <vector>

namespace orbeta::print {

// The items of one history worksheet, chosen as a series draws its screens:
// one deck for the sheet, group g of five from HistoryRandom(seed + g), so
// that no item comes back within the deck's window (the whole sheet of at
// most 25 items when the file has enough of them).
class HistorySheet {
public:
    static constexpr int kGroupSize = 5;

    // count / 5 groups; the deck must have been read for screens of five.
    static HistorySheet make(HistoryDeck deck, int count, std::uint64_t seed);

    int groupCount() const { return int(m_groups.size()); }
    const HistoryGroup& group(int g) const { return m_groups[std::size_t(g)]; }

private:
    std::vector<HistoryGroup> m_groups;
};

} // namespace orbeta::print
