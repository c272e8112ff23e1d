// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/ranking/MarkCalculator.h"

namespace orbeta::results {

std::optional<double> MarkCalculator::percent(int correct, int total)
{
    if (total <= 0 || correct < 0)
        return std::nullopt;
    // Multiplying first keeps whole percentages exact: 29 of 100 is 29, where
    // 29 / 100 * 100 would give 28.999999999999996 and miss a row from 29.
    return correct * 100.0 / total;
}

QString MarkCalculator::Vlozeni_znamky(const MarkTable& table, int correct, int total)
{
    const auto p = percent(correct, total);
    QString mark;
    if (!p)
        return mark;
    // Every row is tested: where rows overlap, the last one that matches
    // wins. A row without a mark (one missing from a shorter file) gives none.
    for (const MarkRow& row : table)
        if (row.mark != 0 && row.lower <= *p && *p <= row.upper)
            mark = QString::number(row.mark);
    return mark;
}

} // namespace orbeta::results
