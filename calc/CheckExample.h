// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/CalcExample.h"
#include "calc/LeverTask.h"

#include <QString>
#include <array>

namespace orbeta {

// What the pupil has done with an example when the check button is pressed.
struct CalcAnswer {
    std::array<QString, 6> boxes{};      // `TVstup(1..6)`
    int markedRow = 0;                   // 0 when no row is marked
    std::array<QString, 2> finishBoxes{}; // `TCil`: hours and minutes
    LeverState lever{};
};

// The verdict of the check button for the task and the asked quantity.
bool CheckExample(const CalcExample& example, const CalcAnswer& answer);

} // namespace orbeta
