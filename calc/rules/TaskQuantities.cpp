// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/rules/TaskQuantities.h"

#include "calc/basics/CheckBox.h"
#include "calc/basics/CalcAnswer.h"
#include "calc/rules/CircuitTasks.h"
#include "calc/rules/DensityTasks.h"
#include "calc/rules/HeatTasks.h"
#include "calc/rules/LeverTask.h"
#include "calc/rules/MechanicsTasks.h"
#include "calc/rules/MotionTasks.h"
#include "calc/basics/NumberText.h"

#include <QStringList>

#include <algorithm>
#include <vector>

namespace orbeta {
namespace {

QString text(std::u16string_view view)
{
    return QStringView(view).toString();
}

float singleOf(const Reading& value)
{
    if (const int* whole = std::get_if<int>(&value))
        return static_cast<float>(*whole);
    if (const float* single = std::get_if<float>(&value))
        return *single;
    return 0;
}

QString givenText(const Quantity& q, const Reading& value)
{
    switch (q.given) {
    case GivenText::Fixed: return TaskQuantities::valueText(value, q.decimals);
    case GivenText::Plain: return TaskQuantities::valueText(value, kPlainDecimals);
    case GivenText::WholeMeter: return QStringLiteral("0");
    case GivenText::DecimalMeter: return QStringLiteral("0,0");
    }
    return QString();
}

bool boxIsRight(const Quantity& q, const CalcExample& e, const CalcAnswer& a)
{
    return CheckBox(a.boxes[static_cast<std::size_t>(q.box - 1)], singleOf(q.read(e.values)));
}

} // namespace

std::span<const Quantity> TaskQuantities::of(CalcTask task)
{
    switch (task) {
    case CalcTask::LiquidDensity: return DensityTasks::liquidQuantities;
    case CalcTask::SolidDensity: return DensityTasks::solidQuantities;
    case CalcTask::UniformMotion: return MotionTasks::uniformQuantities;
    case CalcTask::NonUniformMotion: return MotionTasks::nonUniformQuantities;
    case CalcTask::LiquidPressure: return MechanicsTasks::pressureQuantities;
    case CalcTask::MechanicalWork: return MechanicsTasks::workQuantities;
    case CalcTask::WinchPower: return MechanicsTasks::winchPowerQuantities;
    case CalcTask::WinchEnergy: return MechanicsTasks::winchEnergyQuantities;
    case CalcTask::Lever: return LeverTask::quantities;
    case CalcTask::Heat: return HeatTasks::heatQuantities;
    case CalcTask::Melting: return HeatTasks::meltingQuantities;
    case CalcTask::OhmsLaw: return CircuitTasks::ohmsLawQuantities;
    case CalcTask::ElectricEnergy: return CircuitTasks::energyQuantities;
    case CalcTask::ElectricPower: return CircuitTasks::powerQuantities;
    case CalcTask::SeriesResistors: return CircuitTasks::seriesQuantities;
    case CalcTask::ParallelResistors: return CircuitTasks::parallelQuantities;
    }
    return {};
}

const Quantity& TaskQuantities::named(std::span<const Quantity> quantities, std::string_view name)
{
    const auto found = std::find_if(quantities.begin(), quantities.end(),
                                    [name](const Quantity& q) { return name == q.name; });
    Q_ASSERT(found != quantities.end());
    return *found;
}

void TaskQuantities::fillBoxes(CalcExample& e)
{
    for (const Quantity& q : of(e.task)) {
        if (q.box == 0)
            continue;
        AnswerBox& box = e.boxes[static_cast<std::size_t>(q.box - 1)];
        box.used = true;
        box.text = q.askedIn(e) ? QString() : givenText(q, q.read(e.values));
        box.unit = text(q.unit);
        box.hintLine = q.hintLine;
    }
}

std::array<QString, 6> TaskQuantities::widestTexts(CalcTask task)
{
    std::array<QString, 6> widest;
    widest.fill(text(kUsualWidest));
    for (const Quantity& q : of(task))
        if (q.box > 0)
            widest[static_cast<std::size_t>(q.box - 1)] = text(q.widest);
    return widest;
}

std::array<int, 6> TaskQuantities::boxesInLegendOrder(CalcTask task)
{
    std::vector<int> boxes;
    for (const Quantity& q : of(task))
        if (q.box > 0)
            boxes.push_back(q.box);
    for (int box = 1; box <= 6; ++box)
        if (std::find(boxes.begin(), boxes.end(), box) == boxes.end())
            boxes.push_back(box);
    std::array<int, 6> order{};
    std::copy_n(boxes.begin(), order.size(), order.begin());
    return order;
}

bool TaskQuantities::askedAreRight(const CalcExample& e, const CalcAnswer& a)
{
    for (const Quantity& q : of(e.task)) {
        if (!q.askedIn(e))
            continue;
        if (q.box > 0) {
            if (!boxIsRight(q, e, a))
                return false;
        } else if (!q.inTable || a.markedRow != e.tableRow) {
            return false;
        }
    }
    return true;
}

bool TaskQuantities::allBoxesAreRight(const CalcExample& e, const CalcAnswer& a)
{
    for (const Quantity& q : of(e.task))
        if (q.box > 0 && !boxIsRight(q, e, a))
            return false;
    return true;
}

QString TaskQuantities::solutionLines(const CalcExample& e)
{
    std::vector<const Quantity*> asked;
    for (const Quantity& q : of(e.task))
        if (q.askedIn(e))
            asked.push_back(&q);
    std::stable_sort(asked.begin(), asked.end(),
                     [](const Quantity* a, const Quantity* b) { return a->box < b->box; });
    QStringList lines;
    for (const Quantity* q : asked)
        lines << text(q->label) + QStringLiteral(": ") + GroupThousands(valueText(q->read(e.values), q->decimals))
                     + QLatin1Char(' ') + text(q->unit);
    return lines.join(QLatin1Char('\n'));
}

QString TaskQuantities::valueText(const Reading& value, int decimals)
{
    if (decimals == kPlainDecimals) {
        if (const int* whole = std::get_if<int>(&value))
            return PlainNumber(*whole);
        return PlainNumber(singleOf(value));
    }
    if (const int* whole = std::get_if<int>(&value))
        return FormatFixed(*whole, decimals);
    return FormatFixed(singleOf(value), decimals);
}

} // namespace orbeta
