// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/basics/CalcExample.h"
#include "calc/grading/CheckExample.h"

#include <QString>

namespace orbeta {

// After a wrong check: one short Slovak line naming the likely slip of a
// wrong answer box (a unit's power of ten, a value rounded too early, the
// relation inverted), or empty when no slip explains the typed value.
QString SlipHint(const CalcExample& example, const CalcAnswer& answer);

} // namespace orbeta
