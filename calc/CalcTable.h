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

// Up to 11 rows: the headings and at most 10 entries.
using CalcTable = std::vector<CalcTableRow>;

} // namespace orbeta
