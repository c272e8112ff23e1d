#pragma once

#include <cstdint>

namespace orbeta {

struct Globals;

// The counting of a series in the shared globals, the same for every task
// form: the counters start from zero for every series, each check counts
// one example right or wrong, each continue uses one example up.
class SeriesProgress {
public:
    // A new series of ExampleCount examples.
    static void start(Globals& g);
    static void count(Globals& g, bool right);
    // After a continue: true while examples remain on the next screen,
    // false when the series has ended.
    static bool next(Globals& g);
    // The number of the example on the screen, 1 to ExampleCount.
    static int exampleNumber(const Globals& g);
};

} // namespace orbeta
