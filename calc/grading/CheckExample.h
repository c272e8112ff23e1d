// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/basics/CalcAnswer.h"
#include "calc/basics/CalcExample.h"

namespace orbeta {

// The verdict of the check button for the task and the asked quantity.
bool CheckExample(const CalcExample& example, const CalcAnswer& answer);

} // namespace orbeta
