// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <array>

namespace orbeta {

// The lever of "2e": slot 6 + k holds the weight hanging at mark k (-6 to 6),
// 0 for an empty mark; slot 6 is the pivot.
using LeverState = std::array<int, 13>;

// What the pupil has done with an example when the check button is pressed.
struct CalcAnswer {
    std::array<QString, 6> boxes{};      // `TVstup(1..6)`
    int markedRow = 0;                   // 0 when no row is marked
    std::array<QString, 2> finishBoxes{}; // `TCil`: hours and minutes
    LeverState lever{};
};

} // namespace orbeta
