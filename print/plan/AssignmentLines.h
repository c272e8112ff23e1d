// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <array>
#include <functional>
#include <optional>

namespace orbeta::print {

// The assignment of a worksheet broken into the five lines under the header.
struct AssignmentLines {
    static constexpr int kLines = 5;
    static constexpr double kWidthMm = 190;

    std::array<QString, kLines> lines;

    // Words at single spaces, each line filled while "word " still fits within
    // the width that `widthMm` measures (in the printed font). A word wider than
    // the whole line gets a line of its own; words past the fifth line stay on
    // it, so no word of the assignment is ever lost.
    static AssignmentLines wrap(const QString& text, const std::function<double(const QString&)>& widthMm);

    // Where the legend's first row goes: 30 mm under an empty assignment,
    // otherwise 5 mm under its last line; none when all five lines are used.
    std::optional<int> legendTopMm() const;

    static int lineTopMm(int line) { return 25 + 5 * line; } // line from 1
};

} // namespace orbeta::print
