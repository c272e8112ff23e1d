// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frame/SeriesProgress.h"

#include "services/Globals.h"

#include <algorithm>

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

bool SeriesProgress::next(Globals& g, int screenItems)
{
    g.ExamplesLeft = std::uint16_t(std::max(0, int(g.ExamplesLeft) - std::max(1, screenItems)));
    g.ScreenItems = std::min(int(g.ExamplesLeft), std::max(1, screenItems));
    return g.ExamplesLeft > 0;
}

int SeriesProgress::exampleNumber(const Globals& g)
{
    return int(g.ExampleCount) - int(g.ExamplesLeft) + 1;
}

int SeriesProgress::answered(const Globals& g)
{
    return int(g.CorrectCount) + int(g.WrongCount);
}

SeriesResult SeriesProgress::result(const Globals& g)
{
    return {g.PupilName, g.TopicName, g.TaskTitle, g.CorrectCount, g.WrongCount};
}

} // namespace orbeta
