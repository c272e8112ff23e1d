// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/CalcExample.h"

#include <QString>

namespace orbeta {

// The correct answer of an example as the hint window shows it after a
// check; lines are separated by "\n". Unit symbols are Unicode (g/cm³, dm²,
// Ω).
QString SolutionText(const CalcExample& example);

} // namespace orbeta
