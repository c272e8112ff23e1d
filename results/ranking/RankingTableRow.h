// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace orbeta::results {

// One of the ten rows of the results table, as the results form shows it.
struct RankingTableRow {
    QString position; // "1." to "10."
    QString name;     // the rest is empty when the ranking has fewer records
    QString correct;
    QString wrong;
    QString mark;     // empty for a series without a mark
    bool isNew = false; // drawn in red
};

} // namespace orbeta::results
