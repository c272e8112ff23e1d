// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/grading/RightAnswer.h"

#include "calc/rules/LeverTask.h"
#include "calc/rules/TaskQuantities.h"

namespace orbeta {
namespace {

QString typed(const Reading& value)
{
    if (const int* whole = std::get_if<int>(&value))
        return QString::number(*whole);
    if (const float* single = std::get_if<float>(&value)) {
        // Three decimals are always enough; a pupil writes no trailing zeros.
        QString text = QString::number(double(*single), 'f', 3);
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
        return text.replace(QLatin1Char('.'), QLatin1Char(','));
    }
    return {};
}

} // namespace

CalcAnswer RightAnswer(const CalcExample& e)
{
    CalcAnswer answer;
    for (std::size_t i = 0; i < answer.boxes.size(); ++i)
        answer.boxes[i] = e.boxes[i].text;
    for (const Quantity& q : TaskQuantities::of(e.task)) {
        if (!q.askedIn(e) || !q.read)
            continue;
        if (q.inTable)
            answer.markedRow = e.tableRow;
        else if (q.box > 0)
            answer.boxes[std::size_t(q.box - 1)] = typed(q.read(e.values));
    }
    if (const auto* motion = std::get_if<NonUniformMotionValues>(&e.values)) {
        if (e.asked == 2)
            answer.boxes[std::size_t(motion->askedCity - 1)] =
                QString::number(motion->roads[std::size_t(motion->askedCity - 1)]);
        if (e.asked == 3)
            answer.finishBoxes = {QString::number(motion->hours()), QString::number(motion->minutes())};
    }
    // The lever: the generated arrangement, the placed weight on its mark.
    if (const auto* lever = std::get_if<LeverValues>(&e.values)) {
        answer.lever = InitialLever(*lever);
        answer.lever[std::size_t(6 + lever->placedMark())] = lever->placedWeight();
    }
    return answer;
}

} // namespace orbeta
