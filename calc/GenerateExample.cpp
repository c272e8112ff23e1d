#include "calc/GenerateExample.h"

#include "calc/NumberText.h"

#include <cmath>
#include <stdexcept>

namespace orbeta {
namespace {

const QString kDecimalPlaceholder = QStringLiteral("0,0");
const QString kWholePlaceholder = QStringLiteral("0");

void setBox(CalcExample& e, int number, const QString& text, const QString& unit, int hintLine)
{
    AnswerBox& box = e.boxes[static_cast<std::size_t>(number - 1)];
    box.used = true;
    box.text = text;
    box.unit = unit;
    box.hintLine = hintLine;
}

// The text of a box whose quantity is asked in `askedVariant` and given otherwise.
QString unlessAsked(const CalcExample& e, int askedVariant, const QString& given)
{
    return e.asked == askedVariant ? QString() : given;
}

void askVariant(CalcExample& e, RandomSource& rnd, int k)
{
    e.asked = rnd.IntRnd(k, 1);
}

// Whether a value computed in double from decimal inputs has at most three
// decimals; the tolerance only absorbs the binary error of the inputs.
bool hasThreeDecimalsAtMost(double value)
{
    const double thousandths = value * 1000;
    return std::abs(thousandths - std::nearbyint(thousandths)) < 1e-6;
}

void liquidDensity(CalcExample& e, const ExampleTable& table, RandomSource& rnd)
{
    LiquidDensityValues x;
    int row = 0;
    do {
        x.m1 = rnd.IntRnd(101, 100);
        row = rnd.IntRnd(8, 1);
        x.rho = static_cast<float>(table.value(row));
        x.V = rnd.IntRnd(15, 5) * 10;
        x.m2 = static_cast<float>(x.m1) + static_cast<float>(x.V) * x.rho;
    } while (x.m2 >= 1000);
    askVariant(e, rnd, 3);
    e.assignmentLine = *e.asked;
    e.tableRow = row;
    e.tableRows = 8;
    e.shownRow = e.asked == 2 ? 0 : row;
    // Before the experiment the scale under the cylinder shows m1.
    const QString m1 = FormatFixed(x.m1, 1);
    setBox(e, 1, m1, QStringLiteral("g"), 1);
    setBox(e, 2, unlessAsked(e, 3, m1), QStringLiteral("g"), 2);
    setBox(e, 3, unlessAsked(e, 1, PlainNumber(x.V)), QStringLiteral("ml"), 4);
    e.values = x;
}

void solidDensity(CalcExample& e, const ExampleTable& table, RandomSource& rnd)
{
    SolidDensityValues x;
    int row = 0;
    do {
        row = rnd.IntRnd(10, 1);
        x.rho = static_cast<float>(table.value(row));
        x.Vt = rnd.IntRnd(11, 5) * 10;
        x.V1 = rnd.IntRnd(5, 5) * 10;
        x.V2 = x.V1 + x.Vt;
        x.m = static_cast<float>(RoundHalfEven(static_cast<float>(x.Vt) * x.rho, 1));
    } while (x.V2 >= 200);
    x.body = rnd.IntRnd(3, 1);
    e.fillLevel = x.V1;
    askVariant(e, rnd, 3);
    e.assignmentLine = 3 + *e.asked;
    e.tableRow = row;
    e.tableRows = 10;
    e.shownRow = e.asked == 1 ? 0 : row;
    setBox(e, 1, unlessAsked(e, 2, PlainNumber(x.m)), QStringLiteral("g"), 5);
    setBox(e, 2, PlainNumber(x.V1), QStringLiteral("ml"), 4);
    setBox(e, 3, unlessAsked(e, 3, PlainNumber(x.V2)), QStringLiteral("ml"), 4);
    e.values = x;
}

void uniformMotion(CalcExample& e, RandomSource& rnd)
{
    UniformMotionValues x;
    x.t = static_cast<float>(rnd.IntRnd(171, 30)) / 10;
    x.v = static_cast<float>(rnd.IntRnd(9, 1)) / 10;
    x.s = static_cast<float>(RoundHalfEven(x.v * x.t, 2));
    askVariant(e, rnd, 3);
    e.assignmentLine = 6 + *e.asked;
    setBox(e, 1, unlessAsked(e, 1, FormatFixed(x.v, 1)), QStringLiteral("m/s"), 9);
    setBox(e, 2, unlessAsked(e, 2, FormatFixed(x.s, 2)), QStringLiteral("m"), 7);
    setBox(e, 3, unlessAsked(e, 3, FormatFixed(x.t, 1)), QStringLiteral("s"), 8);
    e.values = x;
}

void nonUniformMotion(CalcExample& e, RandomSource& rnd)
{
    NonUniformMotionValues x;
    do {
        x.startCity = rnd.IntRnd(4, 1);
        x.targetCity = rnd.IntRnd(4, 1);
    } while (x.startCity == x.targetCity);
    int row = 0;
    // Accepted when the time in hours times the distance and the distance
    // driven in t minutes are whole numbers; both tests are kept in whole
    // numbers (t × (s1 + s2) and v × t divisible by 60) so that no binary
    // fraction decides them.
    do {
        for (int& road : x.roads)
            road = rnd.IntRnd(31, 20);
        x.speeds[0] = rnd.IntRnd(5, 48);
        x.speeds[1] = rnd.IntRnd(6, 53);
        x.speeds[2] = rnd.IntRnd(7, 59);
        row = rnd.IntRnd(3, 1);
        x.v = x.speeds[static_cast<std::size_t>(row - 1)];
        x.s1 = x.roads[static_cast<std::size_t>(x.startCity - 1)];
        x.s2 = x.roads[static_cast<std::size_t>(x.targetCity - 1)];
        x.t = static_cast<int>(RoundHalfEven(static_cast<double>(x.s1 + x.s2) / x.v * 60, 0));
    } while ((x.t * (x.s1 + x.s2)) % 60 != 0 || (x.v * x.t) % 60 != 0);
    askVariant(e, rnd, 3);
    e.assignmentLine = 9 + *e.asked;
    e.tableRow = row;
    e.tableRows = 4;
    e.shownRow = e.asked == 1 ? 0 : row;
    for (int city = 1; city <= 4; ++city)
        setBox(e, city, PlainNumber(x.roads[static_cast<std::size_t>(city - 1)]),
               QStringLiteral("km"), 10);
    if (e.asked == 2) {
        x.askedCity = rnd.IntRnd(2, 1) == 1 ? x.startCity : x.targetCity;
        e.boxes[static_cast<std::size_t>(x.askedCity - 1)].text.clear();
    }
    e.startBoxes = {QStringLiteral("0"), QStringLiteral("00")};
    e.finishBoxes = {QStringLiteral("0"), QStringLiteral("00")};
    e.startHintLines = {kHoursHintLine, kMinutesHintLine};
    e.finishHintLines = {kHoursHintLine, kMinutesHintLine};
    e.values = x;
}

void liquidPressure(CalcExample& e, RandomSource& rnd)
{
    LiquidPressureValues x;
    x.S = rnd.IntRnd(8, 2);
    x.p = static_cast<float>(rnd.IntRnd(45, 55)) / 10;
    x.m = static_cast<float>(RoundHalfEven(x.p * static_cast<float>(x.S), 1));
    askVariant(e, rnd, 3);
    e.assignmentLine = 12 + *e.asked;
    setBox(e, 1, unlessAsked(e, 2, FormatFixed(x.m, 1)), QStringLiteral("kg"), 5);
    setBox(e, 2, unlessAsked(e, 1, kDecimalPlaceholder), QStringLiteral("kPa"), 14);
    setBox(e, 3, unlessAsked(e, 3, FormatFixed(x.S, 0)), QStringLiteral("dm²"), 13);
    e.values = x;
}

void mechanicalWork(CalcExample& e, RandomSource& rnd)
{
    MechanicalWorkValues x;
    x.F = rnd.IntRnd(9, 1) * 10;
    x.s = rnd.IntRnd(9, 1);
    x.t = static_cast<float>(rnd.IntRnd(50, 50)) / 10;
    x.W = x.F * x.s;
    askVariant(e, rnd, 3);
    e.assignmentLine = 15 + *e.asked;
    setBox(e, 1, unlessAsked(e, 3, kDecimalPlaceholder), QStringLiteral("m"), 7);
    setBox(e, 2, unlessAsked(e, 2, FormatFixed(x.F, 0)), QStringLiteral("N"), 15);
    setBox(e, 3, unlessAsked(e, 1, FormatFixed(x.W, 0)), QStringLiteral("J"), 16);
    setBox(e, 4, kDecimalPlaceholder, QStringLiteral("s"), 8);
    e.values = x;
}

void winchPower(CalcExample& e, RandomSource& rnd)
{
    WinchPowerValues x;
    int tenths = 0;  // t in tenths of a second, so that P × t is tested exactly
    do {
        x.P = rnd.IntRnd(701, 200);
        tenths = rnd.IntRnd(80, 20);
        x.s = static_cast<float>(rnd.IntRnd(60, 40)) / 10;
    } while (x.P * tenths > 320000 || (x.P * tenths) % 10 != 0);
    x.t = static_cast<float>(tenths) / 10;
    x.W = x.P * tenths / 10;
    askVariant(e, rnd, 3);
    e.assignmentLine = 19 + *e.asked;
    // The lifting distance and the time are read off the running winch.
    setBox(e, 1, unlessAsked(e, 1, FormatFixed(x.W, 0)), QStringLiteral("J"), 19);
    setBox(e, 2, kDecimalPlaceholder, QStringLiteral("m"), 7);
    setBox(e, 3, unlessAsked(e, 3, kDecimalPlaceholder), QStringLiteral("s"), 8);
    setBox(e, 4, unlessAsked(e, 2, FormatFixed(x.P, 0)), QStringLiteral("W"), 18);
    e.values = x;
}

void winchEnergy(CalcExample& e, RandomSource& rnd)
{
    WinchEnergyValues x;
    int tenths = 0;
    do {
        x.v = rnd.IntRnd(8, 2);
        x.m = rnd.IntRnd(8, 2) * 10;
        tenths = rnd.IntRnd(70, 30);
        x.t = static_cast<float>(tenths) / 10;
        x.h = static_cast<float>(RoundHalfEven(static_cast<float>(x.v) * x.t, 1));
        // h × m × 10 = v × tenths × m, kept within the 16-bit range.
    } while (x.v * tenths * x.m > 32000);
    x.W = x.v * tenths * x.m;
    x.P = static_cast<int>(RoundHalfEven(x.W / static_cast<double>(x.t), 0));
    e.assignmentLine = 19;
    setBox(e, 1, FormatFixed(x.m, 0), QStringLiteral("kg"), 5);
    setBox(e, 2, QString(), QStringLiteral("J"), 17);
    setBox(e, 3, kDecimalPlaceholder, QStringLiteral("m"), 7);
    setBox(e, 4, kDecimalPlaceholder, QStringLiteral("s"), 8);
    setBox(e, 5, QString(), QStringLiteral("W"), 18);
    e.values = x;
}

bool pairwiseDifferent(int a, int b, int c)
{
    return a != b && a != c && b != c;
}

void lever(CalcExample& e, RandomSource& rnd)
{
    askVariant(e, rnd, 6);
    const int k = *e.asked;
    LeverValues x;
    auto weight = [&rnd] { return rnd.IntRnd(20, 1); };
    auto mark = [&rnd] { return rnd.IntRnd(6, 1); };
    auto& w = x.weights;
    auto& p = x.marks;
    if (k <= 2) {
        x.count = 2;
        do {
            w[0] = weight();
            w[1] = weight();
            p[0] = -mark();
            p[1] = mark();
        } while (!(-w[0] * p[0] == w[1] * p[1] && w[0] != w[1] && -p[0] != p[1]));
    } else if (k <= 4) {
        x.count = 3;
        do {
            w[0] = weight();
            w[1] = weight();
            w[2] = weight();
            p[0] = -mark();
            p[1] = mark();
            p[2] = mark();
        } while (!(-w[0] * p[0] == w[1] * p[1] + w[2] * p[2] && pairwiseDifferent(w[0], w[1], w[2])
                   && p[1] != p[2]));
    } else {
        x.count = 3;
        do {
            w[0] = weight();
            w[1] = weight();
            w[2] = weight();
            p[0] = -mark();
            p[1] = -mark();
            p[2] = mark();
        } while (!(-w[0] * p[0] - w[1] * p[1] == w[2] * p[2] && pairwiseDifferent(w[0], w[1], w[2])
                   && p[0] != p[1]));
    }
    if (k % 2 == 1) {
        // The pupil picks the right weight for the shown mark among three
        // different weights, none of them one that already hangs (the lever
        // tells its weights apart by their numbers).
        const int right = x.placedWeight();
        auto hangs = [&x](int candidate) {
            for (int i = 0; i + 1 < x.count; ++i)
                if (x.weights[static_cast<std::size_t>(i)] == candidate)
                    return true;
            return false;
        };
        x.offeredCount = 3;
        auto& o = x.offered;
        do {
            o[0] = weight();
            o[1] = weight();
            o[2] = weight();
            o[static_cast<std::size_t>(rnd.IntRnd(3, 1) - 1)] = right;
        } while (!pairwiseDifferent(o[0], o[1], o[2]) || hangs(o[0]) || hangs(o[1]) || hangs(o[2]));
    } else {
        x.offeredCount = 1;
        x.offered[0] = x.placedWeight();
    }
    static constexpr std::array<int, 6> kLines = {23, 24, 25, 26, 25, 26};
    e.assignmentLine = kLines[static_cast<std::size_t>(k - 1)];
    e.values = x;
}

// Both heat tasks show the mass and the starting temperature and ask for the
// heat; the second temperature is read off the thermometer of the experiment.
void setHeatBoxes(CalcExample& e, double m, int t1)
{
    setBox(e, 1, FormatFixed(m, 1), QStringLiteral("kg"), 5);
    setBox(e, 2, FormatFixed(t1, 0), QStringLiteral("°C"), 20);
    setBox(e, 3, kWholePlaceholder, QStringLiteral("°C"), 21);
    setBox(e, 4, QString(), QStringLiteral("kJ"), 22);
}

void heat(CalcExample& e, const ExampleTable& table, RandomSource& rnd)
{
    HeatValues x;
    int row = 0;
    int tenths = 0;  // m in tenths of a kilogram
    double q = 0;
    // Q is computed in double: a Single product can miss the true value by
    // more than half a thousandth (Q reaches several thousand kJ), and the
    // pupil's exact answer would then be judged wrong.
    do {
        row = rnd.IntRnd(5, 1);
        tenths = rnd.IntRnd(89, 11);
        x.t1 = rnd.IntRnd(16, 10);
        x.t2 = rnd.IntRnd(151, 50);
        q = table.value(row) * tenths / 10 * (x.t2 - x.t1);
    } while (!hasThreeDecimalsAtMost(q));
    x.c = static_cast<float>(table.value(row));
    x.m = static_cast<float>(tenths) / 10;
    x.Q = static_cast<float>(RoundHalfEven(q, 3));
    e.assignmentLine = 27;
    e.tableRow = row;
    e.tableRows = 5;
    e.shownRow = row;
    setHeatBoxes(e, x.m, x.t1);
    e.values = x;
}

void melting(CalcExample& e, RandomSource& rnd)
{
    MeltingValues x;
    double q = 0;
    do {
        x.m = rnd.IntRnd(9, 1);
        x.t1 = rnd.IntRnd(13, -15);
        x.t2 = rnd.IntRnd(17, 4);
        q = x.m * (MeltingValues::c1 * (0 - x.t1) + MeltingValues::l + MeltingValues::c2 * x.t2);
    } while (!hasThreeDecimalsAtMost(q));
    x.Q = static_cast<float>(RoundHalfEven(q, 3));
    e.assignmentLine = 28;
    setHeatBoxes(e, x.m, x.t1);
    e.values = x;
}

// The circuits show their given quantities only on the meters of the
// running experiment: until then the boxes hold zero placeholders.

void ohmsLaw(CalcExample& e, RandomSource& rnd)
{
    OhmsLawValues x;
    x.R = rnd.IntRnd(9, 1) * 10;
    x.I = static_cast<float>(rnd.IntRnd(9, 1)) / 10;
    x.U = static_cast<float>(x.R) * x.I;
    askVariant(e, rnd, 3);
    static constexpr std::array<int, 3> kLines = {33, 35, 37};
    e.assignmentLine = kLines[static_cast<std::size_t>(*e.asked - 1)];
    setBox(e, 1, unlessAsked(e, 2, kDecimalPlaceholder), QStringLiteral("A"), 23);
    setBox(e, 2, unlessAsked(e, 1, kWholePlaceholder), QStringLiteral("Ω"), 25);
    setBox(e, 3, unlessAsked(e, 3, kWholePlaceholder), QStringLiteral("V"), 24);
    e.values = x;
}

void electricEnergy(CalcExample& e, RandomSource& rnd)
{
    ElectricEnergyValues x;
    x.P = rnd.IntRnd(5, 0) * 300 + 1200;
    x.hours = rnd.IntRnd(2, 1) == 1 ? 1 : 0;
    x.minutes = rnd.IntRnd(2, 1) == 1 ? 20 : 40;
    x.t = 60 * x.hours + x.minutes;
    x.E = static_cast<float>(x.t * 0.001 * x.P / 60);
    e.assignmentLine = 39;
    setBox(e, 1, QString(), QStringLiteral("kWh"), kElectricEnergyHintLine);
    e.startBoxes = {QString::number(ElectricEnergyValues::voltage), QString::number(x.P)};
    e.finishBoxes = {QStringLiteral("0"), QStringLiteral("00")};
    e.startHintLines = {kVoltageHintLine, kApplianceInputHintLine};
    e.finishHintLines = {kHoursHintLine, kMinutesHintLine};
    e.values = x;
}

void electricPower(CalcExample& e, RandomSource& rnd)
{
    ElectricPowerValues x;
    do {
        x.U = rnd.IntRnd(4, 1) * 10;
        x.I = static_cast<float>(rnd.IntRnd(5, 1)) / 2;
        x.P = static_cast<float>(x.U) * x.I;
    } while (x.P >= 100);
    askVariant(e, rnd, 3);
    static constexpr std::array<int, 3> kLines = {34, 36, 38};
    e.assignmentLine = kLines[static_cast<std::size_t>(*e.asked - 1)];
    setBox(e, 1, unlessAsked(e, 2, kDecimalPlaceholder), QStringLiteral("A"), 23);
    setBox(e, 2, unlessAsked(e, 1, kWholePlaceholder), QStringLiteral("W"), 26);
    setBox(e, 3, unlessAsked(e, 3, kWholePlaceholder), QStringLiteral("V"), 24);
    e.values = x;
}

void seriesResistors(CalcExample& e, RandomSource& rnd)
{
    SeriesResistorsValues x;
    x.R1 = rnd.IntRnd(5, 1) * 10;
    x.R2 = rnd.IntRnd(5, 1) * 10;
    x.I = static_cast<float>(rnd.IntRnd(19, 1)) / 10;
    x.U1 = static_cast<float>(x.R1) * x.I;
    x.U2 = x.I * static_cast<float>(x.R2);
    askVariant(e, rnd, 5);
    e.assignmentLine = 39 + *e.asked;
    setBox(e, 1, unlessAsked(e, 1, kDecimalPlaceholder), QStringLiteral("A"), 23);
    setBox(e, 2, unlessAsked(e, 2, kWholePlaceholder), QStringLiteral("Ω"), 25);
    setBox(e, 3, unlessAsked(e, 3, kWholePlaceholder), QStringLiteral("Ω"), 25);
    setBox(e, 4, unlessAsked(e, 4, kWholePlaceholder), QStringLiteral("V"), 24);
    setBox(e, 5, unlessAsked(e, 5, kWholePlaceholder), QStringLiteral("V"), 24);
    e.values = x;
}

void parallelResistors(CalcExample& e, RandomSource& rnd)
{
    ParallelResistorsValues x;
    int a = 0;
    int b = 0;
    int f = 0;
    do {
        a = rnd.IntRnd(8, 2);
        b = rnd.IntRnd(8, 2);
        f = rnd.IntRnd(5, 5);
    } while (a == b);
    x.R1 = a * f;
    x.R2 = b * f;
    x.U = static_cast<float>(b * f * a * 0.1);
    x.I1 = static_cast<float>(b * 0.1);
    x.I2 = static_cast<float>(a * 0.1);
    x.I = x.I1 + x.I2;
    askVariant(e, rnd, 5);
    e.assignmentLine = 44 + *e.asked;
    setBox(e, 1, unlessAsked(e, 1, kWholePlaceholder), QStringLiteral("Ω"), 25);
    setBox(e, 2, unlessAsked(e, 2, kWholePlaceholder), QStringLiteral("Ω"), 25);
    setBox(e, 3, unlessAsked(e, 3, kDecimalPlaceholder), QStringLiteral("V"), 24);
    setBox(e, 4, unlessAsked(e, 4, kDecimalPlaceholder), QStringLiteral("A"), 23);
    setBox(e, 5, unlessAsked(e, 5, kDecimalPlaceholder), QStringLiteral("A"), 23);
    setBox(e, 6, QString(), QStringLiteral("A"), 23);
    e.values = x;
}

} // namespace

CalcExample GenerateExample(CalcTask task, const ExampleTable& table, RandomSource& rnd)
{
    if (table.rows() < ExampleTable::rowsNeeded(task))
        throw std::invalid_argument("GenerateExample: the table lacks rows for task "
                                    + calcTaskCode(task).toStdString());
    CalcExample e;
    e.task = task;
    switch (task) {
    case CalcTask::LiquidDensity: liquidDensity(e, table, rnd); break;
    case CalcTask::SolidDensity: solidDensity(e, table, rnd); break;
    case CalcTask::UniformMotion: uniformMotion(e, rnd); break;
    case CalcTask::NonUniformMotion: nonUniformMotion(e, rnd); break;
    case CalcTask::LiquidPressure: liquidPressure(e, rnd); break;
    case CalcTask::MechanicalWork: mechanicalWork(e, rnd); break;
    case CalcTask::WinchPower: winchPower(e, rnd); break;
    case CalcTask::WinchEnergy: winchEnergy(e, rnd); break;
    case CalcTask::Lever: lever(e, rnd); break;
    case CalcTask::Heat: heat(e, table, rnd); break;
    case CalcTask::Melting: melting(e, rnd); break;
    case CalcTask::OhmsLaw: ohmsLaw(e, rnd); break;
    case CalcTask::ElectricEnergy: electricEnergy(e, rnd); break;
    case CalcTask::ElectricPower: electricPower(e, rnd); break;
    case CalcTask::SeriesResistors: seriesResistors(e, rnd); break;
    case CalcTask::ParallelResistors: parallelResistors(e, rnd); break;
    }
    return e;
}

} // namespace orbeta
