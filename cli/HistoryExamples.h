// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "history/deck/HistoryDeck.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace orbeta::cli {

// The screens of a series of `count` history items as JSON Lines: screen k
// (from 0) made from seed + k, the recent items carried from screen to
// screen as in the program. Each line holds the items with their numbers,
// the order of the movable boxes and the expected answer.
int historyExamples(HistoryCode code, std::optional<std::uint64_t> count, std::uint64_t seed,
                    const std::optional<QString>& dataOption);

} // namespace orbeta::cli
