#include "results/HintTextFit.h"

#include <cmath>

namespace orbeta {

double HintTextFit::snap(double points)
{
    const double pixels = std::round(points * 96.0 / 72.0);
    return pixels * 72.0 / 96.0;
}

int HintTextFit::topFor(double points, int baseTop)
{
    if (std::abs(points - 9.75) < 0.01)
        return baseTop + 2;
    if (std::abs(points - 8.25) < 0.01)
        return baseTop + 3;
    return baseTop;
}

HintTextFit::Result HintTextFit::fit(double points, double labelWidth, double measuredWidth, int baseTop)
{
    double size = snap(points);
    while (size / ReferencePoints * measuredWidth > labelWidth) {
        const double smaller = snap(size - 1.0);
        if (smaller < MinimumPoints - 0.01)
            break;
        size = smaller;
    }
    return {size, topFor(size, baseTop)};
}

} // namespace orbeta
