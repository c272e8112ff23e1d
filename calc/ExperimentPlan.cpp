#include "calc/ExperimentPlan.h"

namespace orbeta {

int ExperimentPlan::lastFrame(const CalcExample&)
{
    return 0;
}

std::uint32_t ExperimentPlan::frameMs(const CalcExample&)
{
    return 100;
}

ExperimentScene ExperimentPlan::scene(const CalcExample&, int)
{
    return std::monostate{};
}

ExperimentReadings ExperimentPlan::readings(const CalcExample&, int)
{
    return {};
}

} // namespace orbeta
