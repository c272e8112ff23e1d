// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/basics/CalcExample.h"
#include "calc/grading/CheckExample.h"

namespace orbeta {

// A wrong answer a pupil might give, for the tour and the tests: each asked
// value ten times too large, the next row, the arrival an hour late, and on
// the lever another weight or another mark.
CalcAnswer WrongAnswer(const CalcExample& example);

} // namespace orbeta
