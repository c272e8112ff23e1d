// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <cstdint>

namespace orbeta::results {

// One finished series in a task's ranking.
struct RankingRecord {
    QString name;
    std::int16_t correct = 0;
    std::int16_t wrong = 0;
    // The mark given; 0 when the series got none (no row of the mark table
    // held its percentage).
    std::int16_t mark = 0;
    // Set only on the record the latest series added.
    bool isNew = false;

    bool hasMark() const { return mark > 0; }

    // The order of the ranking: the better mark first, then more correct
    // answers, then fewer wrong ones. A series without a mark ranks after
    // every marked one.
    bool ranksAfter(const RankingRecord& other) const;

    // Counts and mark as the ranking holds them: the mark text read with the
    // leading-number conversion, everything rounded half to even and kept
    // within 16 bits.
    static std::int16_t storedNumber(double value);
};

} // namespace orbeta::results
