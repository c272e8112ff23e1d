#include "calc/LeverExperiment.h"

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
