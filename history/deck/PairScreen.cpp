// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/deck/PairScreen.h"

#include "history/items/Derangement.h"
#include "history/items/RecentItems.h"

#include <utility>

namespace orbeta {

PairScreen PairScreen::build(const PairItems& items, int rows, RecentItems& recent, HistoryRandom& rnd)
{
    std::vector<int> keys;
    for (const PairItem& item : items)
        keys.push_back(item.number);
    PairScreen screen;
    for (int index : recent.draw(keys, rows, rnd))
        screen.m_left.push_back(items[std::size_t(index)]);
    for (int from : Derangement(screen.rows(), rnd))
        screen.m_right.push_back(screen.m_left[std::size_t(from)]);
    return screen;
}

std::optional<int> PairScreen::dropRow(QPoint point) const
{
    if (point.x() < kDropLeft || point.x() > kDropRight)
        return std::nullopt;
    for (int row = 1; row <= rows(); ++row) {
        const int top = kRowTop + kRowStep * row;
        if (point.y() >= top && point.y() <= top + kDropHeight)
            return row;
    }
    return std::nullopt;
}

void PairScreen::swap(int rowA, int rowB)
{
    std::swap(m_right[std::size_t(rowA - 1)], m_right[std::size_t(rowB - 1)]);
}

} // namespace orbeta
