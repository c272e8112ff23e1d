// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/deck/ScreenSeries.h"

#include <algorithm>

namespace orbeta {

std::vector<int> ScreenSeries::screens(int count, int fullScreen)
{
    std::vector<int> sizes;
    int left = count;
    int items = std::min(left, fullScreen);
    if (items <= 0)
        return sizes;
    sizes.push_back(items);
    for (;;) {
        left -= fullScreen;
        items = std::min(left, fullScreen);
        if (items != fullScreen && items != kHalfScreen)
            return sizes;
        sizes.push_back(items);
    }
}

} // namespace orbeta
