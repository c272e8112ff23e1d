// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/experiments/LeverExperiment.h"

namespace orbeta {

int LeverExperiment::lastFrame(const CalcExample&)
{
    return kLastFrame;
}

ExperimentScene LeverExperiment::scene(const CalcExample&, int frame)
{
    return LeverFrame{double(frame) / kLastFrame};
}

ExperimentReadings LeverExperiment::readings(const CalcExample&, int)
{
    // The lever has no instruments.
    return {};
}

} // namespace orbeta
