// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <vector>

namespace orbeta {

// One row of a material or vehicle table: the texts of its three columns as
// the form shows them. Row 0 holds the column headings.
struct CalcTableRow {
    QString name;
    QString firstValue;   // kg/m³ for densities
    QString secondValue;  // the number the examples use (g/cm³, kJ·kg⁻¹·°C⁻¹, km/h)
};

// The form has labels for rows 0 to 10: the headings and at most 10 entries.
inline constexpr int kMaxCalcTableRows = 11;

// Row 0 and as many rows as the file holds, at most kMaxCalcTableRows.
using CalcTable = std::vector<CalcTableRow>;

} // namespace orbeta
