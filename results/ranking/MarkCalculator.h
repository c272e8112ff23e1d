// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "formats/MarkTable.h"

#include <QString>

#include <optional>

namespace orbeta::results {

// The mark of a finished series, looked up in the mark table.
class MarkCalculator {
public:
    // The percentage of correct answers, not rounded; none for an empty series.
    static std::optional<double> percent(int correct, int total);

    // `Vlozeni_znamky`: the mark of the last row whose bounds (both inclusive)
    // hold the percentage, as decimal text; empty when no row holds it, when
    // the series is empty (total 0) or when a count is negative.
    static QString Vlozeni_znamky(const MarkTable& table, int correct, int total);
};

} // namespace orbeta::results
