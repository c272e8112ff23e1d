#include "calc/CheckExample.h"

#include "calc/CheckBox.h"
#include "calc/NumberText.h"

#include <cstdlib>

namespace orbeta {
namespace {

class Judge {
public:
    Judge(const CalcExample& example, const CalcAnswer& answer) : m_e(example), m_a(answer) {}

    bool box(int number, float expected) const
    {
        return CheckBox(m_a.boxes[static_cast<std::size_t>(number - 1)], expected);
    }
    bool box(int number, int expected) const { return box(number, static_cast<float>(expected)); }
    bool row() const { return m_a.markedRow == m_e.tableRow; }
    int asked() const { return m_e.asked.value_or(0); }

    bool operator()(const LiquidDensityValues& x) const
    {
        switch (asked()) {
        case 1: return box(3, x.V);
        case 2: return row();
        default: return box(2, x.m2);
        }
    }
    bool operator()(const SolidDensityValues& x) const
    {
        switch (asked()) {
        case 1: return row();
        case 2: return box(1, x.m);
        default: return box(3, x.V2);
        }
    }
    bool operator()(const UniformMotionValues& x) const
    {
        switch (asked()) {
        case 1: return box(1, x.v);
        case 2: return box(2, x.s);
        default: return box(3, x.t);
        }
    }
    bool operator()(const NonUniformMotionValues& x) const
    {
        switch (asked()) {
        case 1: return row();
        case 2: return roadLengths(x);
        default: return arrivalTime(x);
        }
    }
    bool operator()(const LiquidPressureValues& x) const
    {
        switch (asked()) {
        case 1: return box(2, x.p);
        case 2: return box(1, x.m);
        default: return box(3, x.S);
        }
    }
    bool operator()(const MechanicalWorkValues& x) const
    {
        switch (asked()) {
        case 1: return box(3, x.W);
        case 2: return box(2, x.F);
        default: return box(1, x.s);
        }
    }
    bool operator()(const WinchPowerValues& x) const
    {
        switch (asked()) {
        case 1: return box(1, x.W);
        case 2: return box(4, x.P);
        default: return box(3, x.t);
        }
    }
    bool operator()(const WinchEnergyValues& x) const { return box(2, x.W) && box(5, x.P); }
    bool operator()(const LeverValues&) const
    {
        return m_a.lever[6] == 0 && LeftMoment(m_a.lever) == RightMoment(m_a.lever);
    }
    bool operator()(const HeatValues& x) const { return box(4, x.Q); }
    bool operator()(const MeltingValues& x) const { return box(4, x.Q); }
    bool operator()(const OhmsLawValues& x) const
    {
        switch (asked()) {
        case 1: return box(2, x.R);
        case 2: return box(1, x.I);
        default: return box(3, x.U);
        }
    }
    bool operator()(const ElectricEnergyValues& x) const { return box(1, x.E); }
    bool operator()(const ElectricPowerValues& x) const
    {
        switch (asked()) {
        case 1: return box(2, x.P);
        case 2: return box(1, x.I);
        default: return box(3, x.U);
        }
    }
    bool operator()(const SeriesResistorsValues& x) const
    {
        switch (asked()) {
        case 1: return box(1, x.I);
        case 2: return box(2, x.R1);
        case 3: return box(3, x.R2);
        case 4: return box(4, x.U1);
        default: return box(5, x.U2);
        }
    }
    bool operator()(const ParallelResistorsValues& x) const
    {
        // The given boxes show their values after the experiment, so all six
        // must hold the example's values.
        return box(1, x.R1) && box(2, x.R2) && box(3, x.U) && box(4, x.I1) && box(5, x.I2)
               && box(6, x.I);
    }

private:
    bool roadLengths(const NonUniformMotionValues& x) const
    {
        for (int city : {x.startCity, x.targetCity})
            if (m_a.boxes[static_cast<std::size_t>(city - 1)].isEmpty())
                return false;
        for (std::size_t i = 0; i < 4; ++i) {
            const std::optional<float> length = ParseSingle(m_a.boxes[i]);
            if (!length || *length != static_cast<float>(x.roads[i]))
                return false;
        }
        return true;
    }
    bool arrivalTime(const NonUniformMotionValues& x) const
    {
        const std::optional<int> hours = ParseWhole(m_a.finishBoxes[0]);
        const std::optional<int> minutes = ParseWhole(m_a.finishBoxes[1]);
        return hours && minutes && std::abs(*hours) <= 100000
               && 60 * *hours + *minutes == x.t;
    }

    const CalcExample& m_e;
    const CalcAnswer& m_a;
};

} // namespace

LeverState InitialLever(const LeverValues& lever)
{
    LeverState state{};
    for (int i = 0; i + 1 < lever.count; ++i)
        state[static_cast<std::size_t>(6 + lever.marks[static_cast<std::size_t>(i)])] =
            lever.weights[static_cast<std::size_t>(i)];
    return state;
}

int LeftMoment(const LeverState& lever)
{
    int sum = 0;
    for (int k = 1; k <= 6; ++k)
        sum += lever[static_cast<std::size_t>(6 - k)] * k;
    return sum;
}

int RightMoment(const LeverState& lever)
{
    int sum = 0;
    for (int k = 1; k <= 6; ++k)
        sum += lever[static_cast<std::size_t>(6 + k)] * k;
    return sum;
}

bool CheckExample(const CalcExample& example, const CalcAnswer& answer)
{
    return std::visit(Judge(example, answer), example.values);
}

} // namespace orbeta
