// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/items/RecentItems.h"

#include "history/items/HistoryRandom.h"

#include <algorithm>

namespace orbeta {

std::optional<int> RecentItems::windowFor(int distinctKeys, int screenItems)
{
    if (distinctKeys < screenItems || screenItems < 1)
        return std::nullopt;
    return std::min(kMaxWindow, distinctKeys - screenItems);
}

std::vector<int> RecentItems::draw(const std::vector<int>& keys, int count, HistoryRandom& rnd)
{
    std::vector<int> barred(m_recent.begin(), m_recent.end());
    std::vector<int> chosen;
    for (int i = 0; i < count; ++i) {
        // Drawing among the allowed items directly gives each the same chance
        // as drawing from all and refusing the barred ones, without retries.
        std::vector<int> allowed;
        for (int k = 0; k < int(keys.size()); ++k)
            if (std::find(barred.begin(), barred.end(), keys[std::size_t(k)]) == barred.end())
                allowed.push_back(k);
        if (allowed.empty())
            break;
        const int index = allowed[std::size_t(rnd.below(int(allowed.size())))];
        chosen.push_back(index);
        barred.push_back(keys[std::size_t(index)]);
    }
    for (int index : chosen)
        m_recent.push_front(keys[std::size_t(index)]);
    while (int(m_recent.size()) > m_window)
        m_recent.pop_back();
    return chosen;
}

} // namespace orbeta
