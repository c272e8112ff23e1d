// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/hint/HintTextFit.h"

#include <algorithm>
#include <cmath>

namespace orbeta {

double HintTextFit::snap(double points)
{
    const double pixels = std::round(points * 96.0 / 72.0);
    return pixels * 72.0 / 96.0;
}

int HintTextFit::topFor(double points, int baseTop)
{
    // Half the height the font lost, rounded up: 2 pixels at 9.75 points and
    // 3 at 8.25, the two sizes the original system font fell back to.
    const double lost = (kDesignedPoints - snap(points)) * 96.0 / 72.0;
    return baseTop + std::max(0, int(std::ceil(lost / 2.0 - 0.01)));
}

HintTextFit::Result HintTextFit::fit(double points, double labelWidth, double measuredWidth, int baseTop)
{
    double size = snap(points);
    while (size / kReferencePoints * measuredWidth > labelWidth) {
        const double smaller = snap(size - 1.0);
        if (smaller < kMinimumPoints - 0.01)
            break;
        size = smaller;
    }
    return {size, topFor(size, baseTop)};
}

} // namespace orbeta
