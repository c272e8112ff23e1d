// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/items/Derangement.h"

#include "history/items/HistoryRandom.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace orbeta {

std::vector<int> Derangement(int n, HistoryRandom& rnd)
{
    std::vector<int> order(std::size_t(std::max(n, 0)));
    std::iota(order.begin(), order.end(), 0);
    for (int i = n - 1; i > 0; --i)
        std::swap(order[std::size_t(i)], order[std::size_t(rnd.below(i + 1))]);
    if (n < 2)
        return order;
    for (int i = 0; i < n; ++i) {
        if (order[std::size_t(i)] != i)
            continue;
        // The other place gets i, which is not its own, and place i gets
        // what stood there, which cannot be i: no new fixed place appears.
        int j = rnd.below(n - 1);
        if (j >= i)
            ++j;
        std::swap(order[std::size_t(i)], order[std::size_t(j)]);
    }
    return order;
}

} // namespace orbeta
