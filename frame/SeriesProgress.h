// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "frame/SeriesResult.h"

#include <cstdint>

namespace orbeta {

struct Globals;

// The counting of a series in the shared globals, the same for every task
// form: the counters start from zero for every series, each check counts
// its items right or wrong, each continue uses the screen's items up.
class SeriesProgress {
public:
    // A new series of ExampleCount examples.
    static void start(Globals& g);
    static void count(Globals& g, bool right);
    // After a continue from a screen of `screenItems` items: true while
    // examples remain, false when the series has ended.
    static bool next(Globals& g, int screenItems = 1);
    // The number of the example on the screen, 1 to ExampleCount.
    static int exampleNumber(const Globals& g);
    // Items judged so far in this series.
    static int answered(const Globals& g);
    // The series as it stands, for the results form.
    static SeriesResult result(const Globals& g);
};

} // namespace orbeta
