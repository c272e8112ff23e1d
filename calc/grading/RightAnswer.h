// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/basics/CalcExample.h"
#include "calc/grading/CheckExample.h"

namespace orbeta {

// What a pupil who solved the example types and marks: the asked values in
// the boxes with three decimals and the decimal comma, the example's row, the
// arrival clock of "1d". The lever of "2e" is left empty.
CalcAnswer RightAnswer(const CalcExample& example);

} // namespace orbeta
