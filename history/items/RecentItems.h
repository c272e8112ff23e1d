// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <deque>
#include <optional>
#include <vector>

namespace orbeta {

class HistoryRandom;

// The items a series has used lately, so that the next screens draw others.
// An item is known by its key: its number, or for the discoveries its year,
// so that no two events of one screen or of the recent screens share a year.
// The window is 25 keys, or fewer when the file has too few distinct keys to
// leave a whole screen free, so that a draw always succeeds at once.
class RecentItems {
public:
    static constexpr int kMaxWindow = 25;

    // The window for a file with `distinctKeys` and screens of at most
    // `screenItems`; none when the file cannot fill one screen.
    static std::optional<int> windowFor(int distinctKeys, int screenItems);

    explicit RecentItems(int window) : m_window(window) {}

    // `count` indices into `keys`, in the order drawn, with keys distinct
    // from each other and from the recent ones; they become the most recent.
    // Needs at least window + count distinct keys.
    std::vector<int> draw(const std::vector<int>& keys, int count, HistoryRandom& rnd);

    int window() const { return m_window; }
    // The recent keys, the latest first.
    const std::deque<int>& recent() const { return m_recent; }

private:
    int m_window;
    std::deque<int> m_recent;
};

} // namespace orbeta
