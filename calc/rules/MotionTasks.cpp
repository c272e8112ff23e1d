// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/rules/MotionTasks.h"

#include "calc/basics/QuantityTable.h"
#include "calc/basics/CalcAnswer.h"
#include "calc/rules/DrawRules.h"
#include "calc/basics/NumberText.h"
#include "calc/tables/TableFile.h"

#include <cmath>
#include <cstdlib>
namespace orbeta {
namespace {

using Uniform = UniformMotionValues;
using NonUniform = NonUniformMotionValues;

template <std::size_t n>
IntList listOf(const std::array<int, n>& values)
{
    IntList list;
    for (std::size_t i = 0; i < n; ++i)
        list.items[i] = values[i];
    list.count = int(n);
    return list;
}

bool roadLengths(const NonUniform& x, const CalcAnswer& a)
{
    for (int city : {x.startCity, x.targetCity})
        if (a.boxes[static_cast<std::size_t>(city - 1)].isEmpty())
            return false;
    for (std::size_t i = 0; i < 4; ++i) {
        const std::optional<float> length = ParseSingle(a.boxes[i]);
        if (!length || *length != static_cast<float>(x.roads[i]))
            return false;
    }
    return true;
}

bool arrivalTime(const NonUniform& x, const CalcAnswer& a)
{
    const std::optional<int> hours = ParseWhole(a.finishBoxes[0]);
    const std::optional<int> minutes = ParseWhole(a.finishBoxes[1]);
    // "2 h −5 min" is no time of day, whatever it adds up to.
    return hours && minutes && *hours >= 0 && *minutes >= 0 && *hours <= 100000 && 60 * *hours + *minutes == x.t;
}

} // namespace

const std::array<Quantity, 3> MotionTasks::uniformQuantities = {{
    {.name = "v", .symbol = u"v", .unit = u"m/s", .label = u"Rýchlosť", .decimals = 1, .box = 1,
     .hintLine = 9, .asked = {1}, .read = field<&Uniform::v>},
    {.name = "s", .symbol = u"s", .unit = u"m", .label = u"Dĺžka dráhy", .decimals = 2, .box = 2,
     .hintLine = 7, .asked = {2}, .read = field<&Uniform::s>},
    {.name = "t", .symbol = u"t", .unit = u"s", .label = u"Doba pohybu", .decimals = 1, .box = 3,
     .hintLine = 8, .asked = {3}, .read = field<&Uniform::t>},
}};

// The roads fill boxes 1 to 4, one a city; their check and the arrival time
// in hours and minutes are rules of the task's own.
const std::array<Quantity, 11> MotionTasks::nonUniformQuantities = {{
    {.name = "v", .symbol = u"v", .unit = u"km/h", .label = u"Rýchlosť", .asked = {1}, .inTable = true,
     .read = field<&NonUniform::v>},
    {.name = "s1", .symbol = u"sá", .unit = u"km", .asked = {2}, .read = field<&NonUniform::s1>},
    {.name = "s2", .symbol = u"sâ", .unit = u"km", .asked = {2}, .read = field<&NonUniform::s2>},
    {.name = "t", .symbol = u"t", .unit = u"min", .asked = {3}, .read = field<&NonUniform::t>},
    {.name = "hours", .unit = u"h", .hintLine = 11,
     .read = [](const ExampleValues& v) { return Reading(valuesOf<NonUniform>(v).hours()); }},
    {.name = "minutes", .unit = u"min", .hintLine = 12,
     .read = [](const ExampleValues& v) { return Reading(valuesOf<NonUniform>(v).minutes()); }},
    {.name = "startCity", .read = field<&NonUniform::startCity>},
    {.name = "targetCity", .read = field<&NonUniform::targetCity>},
    {.name = "roads", .unit = u"km", .hintLine = 10,
     .read = [](const ExampleValues& v) { return Reading(listOf(valuesOf<NonUniform>(v).roads)); }},
    {.name = "speeds", .unit = u"km/h",
     .read = [](const ExampleValues& v) { return Reading(listOf(valuesOf<NonUniform>(v).speeds)); }},
    {.name = "askedCity",
     .read = [](const ExampleValues& v) {
         const int city = valuesOf<NonUniform>(v).askedCity;
         return city == 0 ? Reading() : Reading(city);
     }},
}};

void MotionTasks::generateUniform(CalcExample& e, RandomSource& rnd)
{
    Uniform x;
    x.t = static_cast<float>(rnd.IntRnd(171, 30)) / 10;
    x.v = static_cast<float>(rnd.IntRnd(9, 1)) / 10;
    x.s = static_cast<float>(RoundHalfEven(x.v * x.t, 2));
    askVariant(e, rnd, 3);
    e.assignmentLine = 6 + *e.asked;
    e.values = x;
    QuantityTable::fillBoxes(uniformQuantities, e);
}

void MotionTasks::generateNonUniform(CalcExample& e, RandomSource& rnd)
{
    NonUniform x;
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
        x.speeds[0] = rnd.IntRnd(5, kSlowestDrawn);
        x.speeds[1] = rnd.IntRnd(6, 53);
        x.speeds[2] = rnd.IntRnd(kFastestDrawn - 59 + 1, 59);
        row = rnd.IntRnd(3, 1);
        x.v = x.speeds[static_cast<std::size_t>(row - 1)];
        x.s1 = x.roads[static_cast<std::size_t>(x.startCity - 1)];
        x.s2 = x.roads[static_cast<std::size_t>(x.targetCity - 1)];
        x.t = static_cast<int>(RoundHalfEven(static_cast<double>(x.s1 + x.s2) / x.v * 60, 0));
    } while ((x.t * (x.s1 + x.s2)) % 60 != 0 || (x.v * x.t) % 60 != 0);
    askVariant(e, rnd, 3);
    e.assignmentLine = 9 + *e.asked;
    e.tableRow = row;
    e.tableRows = calcTaskTableRows(CalcTask::NonUniformMotion);
    e.shownRow = e.asked == 1 ? 0 : row;
    const Quantity& roads = QuantityTable::named(nonUniformQuantities, "roads");
    for (int city = 1; city <= 4; ++city) {
        AnswerBox& box = e.boxes[static_cast<std::size_t>(city - 1)];
        box.used = true;
        box.text = PlainNumber(x.roads[static_cast<std::size_t>(city - 1)]);
        box.unit = QStringView(roads.unit).toString();
        box.hintLine = roads.hintLine;
    }
    if (e.asked == 2) {
        x.askedCity = rnd.IntRnd(2, 1) == 1 ? x.startCity : x.targetCity;
        e.boxes[static_cast<std::size_t>(x.askedCity - 1)].text.clear();
    }
    const std::array<int, 2> timeHints = {QuantityTable::named(nonUniformQuantities, "hours").hintLine,
                                          QuantityTable::named(nonUniformQuantities, "minutes").hintLine};
    e.startBoxes = {QStringLiteral("0"), QStringLiteral("00")};
    // The arrival clock is set by the experiment, or by the pupil when the
    // arrival time is asked.
    if (e.asked == 3)
        e.finishBoxes = {QString(), QString()};
    else
        e.finishBoxes = {QStringLiteral("0"), QStringLiteral("00")};
    e.startHintLines = timeHints;
    e.finishHintLines = timeHints;
    e.values = x;
}

bool MotionTasks::checkNonUniform(const CalcExample& e, const CalcAnswer& a)
{
    const NonUniform& x = valuesOf<NonUniform>(e.values);
    switch (e.asked.value_or(0)) {
    case 2: return roadLengths(x, a);
    case 3: return arrivalTime(x, a);
    default: return QuantityTable::askedAreRight(nonUniformQuantities, e, a);
    }
}

QString MotionTasks::nonUniformSolution(const CalcExample& e)
{
    const NonUniform& x = valuesOf<NonUniform>(e.values);
    switch (e.asked.value_or(0)) {
    case 2:
    {
        // Named as the map's legend names the roads: from the start town to E, then on to the target.
        const auto road = [](int city) { return QStringLiteral("|E%1|").arg(QChar(u'A' + city - 1)); };
        // "Dĺžky", not "Dĺžky ciest": the line must fit the bubble of one line.
        return QStringLiteral("Dĺžky: %1 = %2 km, %3 = %4 km")
            .arg(road(x.startCity), FormatFixed(x.s1, 0), road(x.targetCity), FormatFixed(x.s2, 0));
    }
    case 3: return QStringLiteral("Doba pohybu: %1 h %2 min").arg(x.hours()).arg(x.minutes());
    default: return QuantityTable::solutionLines(nonUniformQuantities, e);
    }
}

std::optional<FileError> MotionTasks::vehicleTableProblem(const CalcTable& table, const QString& fileName)
{
    constexpr std::size_t kDrawnRows = 3;
    for (std::size_t row = kDrawnRows + 1; row < table.size(); ++row) {
        const QString& text = table[row].secondValue;
        const std::optional<double> speed = ParseTableNumber(text);
        if (!speed || *speed != std::floor(*speed) || (*speed >= kSlowestDrawn && *speed <= kFastestDrawn))
            return FileError{fileName, int(row) + 1,
                             QStringLiteral("rýchlosť „%1“ musí byť celé číslo mimo %2 až %3 km/h, ktoré dostávajú "
                                            "vozidlá v riadkoch 1 až 3.")
                                 .arg(text)
                                 .arg(kSlowestDrawn)
                                 .arg(kFastestDrawn)};
    }
    return std::nullopt;
}

} // namespace orbeta
