// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace orbeta {

// The shrink-to-fit rule of the hint window's text label. The text's width is
// measured once in the window's reference font at 8 points and scaled
// linearly to the label's size; while that estimate is wider than the label,
// the label's font shrinks by one point, which font sizes snap to the next
// whole pixel below (12, 11.25, 10.5, 9.75, 9, 8.25, 7.5 points).
class HintTextFit {
public:
    static constexpr double kReferencePoints = 8.0;
    static constexpr double kDesignedPoints = 12.0;
    // Below this a pupil can no longer read the hint; a longer text is clipped.
    static constexpr double kMinimumPoints = 7.5;

    struct Result {
        double points = 0;
        int top = 0;
    };

    // `points` is the label's current size (it is not reset between texts on
    // the same window), `labelWidth` and `measuredWidth` in the same unit.
    static Result fit(double points, double labelWidth, double measuredWidth, int baseTop);

    // The label's top for a font size: a smaller font sits lower, so the
    // text stays centred in the bubble.
    static int topFor(double points, int baseTop);

    // A point size snapped to whole pixels at 96 dots per inch.
    static double snap(double points);
};

} // namespace orbeta
