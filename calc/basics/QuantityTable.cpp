// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/basics/QuantityTable.h"

#include "calc/basics/CalcAnswer.h"
#include "calc/basics/CheckBox.h"
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
    case GivenText::Fixed: return QuantityTable::valueText(value, q.decimals);
    case GivenText::Plain: return QuantityTable::valueText(value, kPlainDecimals);
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

const Quantity& QuantityTable::named(std::span<const Quantity> table, std::string_view name)
{
    const auto found = std::find_if(table.begin(), table.end(),
                                    [name](const Quantity& q) { return name == q.name; });
    Q_ASSERT(found != table.end());
    return *found;
}

void QuantityTable::fillBoxes(std::span<const Quantity> table, CalcExample& e)
{
    for (const Quantity& q : table) {
        if (q.box == 0)
            continue;
        AnswerBox& box = e.boxes[static_cast<std::size_t>(q.box - 1)];
        box.used = true;
        box.text = q.askedIn(e) ? QString() : givenText(q, q.read(e.values));
        box.unit = text(q.unit);
        box.hintLine = q.hintLine;
    }
}

std::array<QString, 6> QuantityTable::widestTexts(std::span<const Quantity> table)
{
    std::array<QString, 6> widest;
    widest.fill(text(kUsualWidest));
    for (const Quantity& q : table)
        if (q.box > 0)
            widest[static_cast<std::size_t>(q.box - 1)] = text(q.widest);
    return widest;
}

std::array<int, 6> QuantityTable::boxesInLegendOrder(std::span<const Quantity> table)
{
    std::vector<int> boxes;
    for (const Quantity& q : table)
        if (q.box > 0)
            boxes.push_back(q.box);
    for (int box = 1; box <= 6; ++box)
        if (std::find(boxes.begin(), boxes.end(), box) == boxes.end())
            boxes.push_back(box);
    std::array<int, 6> order{};
    std::copy_n(boxes.begin(), order.size(), order.begin());
    return order;
}

bool QuantityTable::askedAreRight(std::span<const Quantity> table, const CalcExample& e, const CalcAnswer& a)
{
    for (const Quantity& q : table) {
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

bool QuantityTable::allBoxesAreRight(std::span<const Quantity> table, const CalcExample& e, const CalcAnswer& a)
{
    for (const Quantity& q : table)
        if (q.box > 0 && !boxIsRight(q, e, a))
            return false;
    return true;
}

QString QuantityTable::solutionLines(std::span<const Quantity> table, const CalcExample& e)
{
    std::vector<const Quantity*> asked;
    for (const Quantity& q : table)
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

QString QuantityTable::valueText(const Reading& value, int decimals)
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
