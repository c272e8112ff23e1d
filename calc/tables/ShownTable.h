// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/basics/CalcExample.h"
#include "calc/basics/CalcTable.h"

namespace orbeta {

// The task's table as an example shows it: the vehicles of "1d" drive at
// the speeds the example drew, in the number column of rows 1 to 3; any
// other task shows its table as the file gives it.
CalcTable ShownTable(const CalcTable& table, const CalcExample& example);

} // namespace orbeta
