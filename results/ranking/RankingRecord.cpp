// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/ranking/RankingRecord.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orbeta::results {
namespace {

int markOrder(const RankingRecord& record)
{
    return record.hasMark() ? record.mark : std::numeric_limits<int>::max();
}

} // namespace

bool RankingRecord::ranksAfter(const RankingRecord& other) const
{
    if (markOrder(*this) != markOrder(other))
        return markOrder(*this) > markOrder(other);
    if (correct != other.correct)
        return correct < other.correct;
    return wrong > other.wrong;
}

std::int16_t RankingRecord::storedNumber(double value)
{
    constexpr double lowest = std::numeric_limits<std::int16_t>::min();
    constexpr double highest = std::numeric_limits<std::int16_t>::max();
    if (std::isnan(value))
        return 0;
    return static_cast<std::int16_t>(std::clamp(std::nearbyint(value), lowest, highest));
}

} // namespace orbeta::results
