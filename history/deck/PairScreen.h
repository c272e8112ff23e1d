// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "history/items/HistoryItems.h"

#include <QPoint>
#include <QRect>

#include <optional>
#include <vector>

namespace orbeta {

class HistoryRandom;
class RecentItems;

// One screen of "6a": the left column of drawn pairs and the right column
// of their other halves, which the pupil swaps until every row matches.
// Rows count from 1.
class PairScreen {
public:
    static constexpr int kMaxRows = 10;
    static constexpr int kHalfRows = 5;
    // Row r rests at top kRowTop + kRowStep * r; a drop hits row r when the
    // pointer is within kDropLeft .. kDropRight (the whole box) and that
    // top .. top + kDropHeight.
    static constexpr int kRowTop = 93;
    static constexpr int kRowStep = 32;
    static constexpr int kDropLeft = 326;
    static constexpr int kDropRight = 583;
    static constexpr int kDropHeight = 20;

    // `rows` pairs not among the recent ones, the right column in an order
    // in which no right value stands in its own row.
    static PairScreen build(const PairItems& items, int rows, RecentItems& recent, HistoryRandom& rnd);

    int rows() const { return int(m_left.size()); }
    const PairItem& left(int row) const { return m_left[std::size_t(row - 1)]; }
    // The pair whose right value stands in `row` now.
    const PairItem& right(int row) const { return m_right[std::size_t(row - 1)]; }

    // The row a box dropped with the pointer at `point` lands on.
    std::optional<int> dropRow(QPoint point) const;
    // The right values of two rows change places.
    void swap(int rowA, int rowB);
    // Judged by the pair numbers, so two pairs with the same right text
    // are still told apart.
    bool rowRight(int row) const { return left(row).number == right(row).number; }
    // The right value that belongs in `row`.
    QString hint(int row) const { return left(row).right; }

private:
    std::vector<PairItem> m_left;
    std::vector<PairItem> m_right;
};

} // namespace orbeta
