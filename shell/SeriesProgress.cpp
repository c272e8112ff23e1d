#include "shell/SeriesProgress.h"

#include "shell/Globals.h"

namespace orbeta {

void SeriesProgress::start(Globals& g)
{
    g.HoverId = 0;
    g.CorrectCount = 0;
    g.WrongCount = 0;
    g.ExamplesLeft = g.ExampleCount;
    g.ScreenItems = g.ExamplesLeft >= 1 ? 1 : 0;
}

void SeriesProgress::count(Globals& g, bool right)
{
    if (right)
        ++g.CorrectCount;
    else
        ++g.WrongCount;
}

bool SeriesProgress::next(Globals& g)
{
    if (g.ExamplesLeft > 0)
        --g.ExamplesLeft;
    g.ScreenItems = g.ExamplesLeft >= 1 ? 1 : g.ExamplesLeft;
    return g.ScreenItems == 1;
}

int SeriesProgress::exampleNumber(const Globals& g)
{
    return int(g.ExampleCount) - int(g.ExamplesLeft) + 1;
}

} // namespace orbeta
