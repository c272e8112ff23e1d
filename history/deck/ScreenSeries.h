// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

namespace orbeta {

// How a history series of `count` items falls into screens: full screens of
// `fullScreen` items while they last, then one half screen of 5 when exactly
// 5 remain; any other rest ends the series. 15 pairs run as 10 and 5, 25
// items of a timeline as five screens of 5; a first screen is shown even
// when it is short (8 pairs on one screen).
class ScreenSeries {
public:
    static constexpr int kHalfScreen = 5;

    static std::vector<int> screens(int count, int fullScreen);
};

} // namespace orbeta
