// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/tables/ShownTable.h"

namespace orbeta {

CalcTable ShownTable(const CalcTable& table, const CalcExample& example)
{
    CalcTable shown = table;
    if (const auto* motion = std::get_if<NonUniformMotionValues>(&example.values))
        for (std::size_t r = 1; r <= motion->speeds.size() && r < shown.size(); ++r)
            shown[r].secondValue = QString::number(motion->speeds[r - 1]);
    return shown;
}

} // namespace orbeta
