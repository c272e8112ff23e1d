// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/basics/CalcExample.h"

#include <QString>

namespace orbeta {

// The correct answer of an example as the hint window shows it after a
// check; lines are separated by "\n". Unit symbols are Unicode (g/cm³, dm²,
// Ω).
QString SolutionText(const CalcExample& example);

// The solution with the slip line of a wrong answer under it, in the two
// lines of the bubble that shows it: the lines of a solution that asks two
// quantities share the first.
QString SolutionText(const CalcExample& example, const QString& slip);

} // namespace orbeta
