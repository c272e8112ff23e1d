// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/grading/WrongAnswer.h"

#include "calc/grading/RightAnswer.h"

#include <cstdlib>

namespace orbeta {

CalcAnswer WrongAnswer(const CalcExample& e)
{
    CalcAnswer answer = RightAnswer(e);
    for (std::size_t i = 0; i < answer.boxes.size(); ++i) {
        if (e.boxes[i].used && e.boxes[i].text.isEmpty()) {
            bool ok = false;
            const double value = QString(answer.boxes[i]).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
            if (ok)
                answer.boxes[i] = QString::number(value * 10, 'g', 6).replace(QLatin1Char('.'), QLatin1Char(','));
        }
    }
    if (answer.markedRow > 0)
        answer.markedRow = answer.markedRow % e.tableRows + 1;
    if (!answer.finishBoxes[0].isEmpty())
        answer.finishBoxes[0] = QString::number(answer.finishBoxes[0].toInt() + 1);
    // The lever: another offered weight on the shown mark, or the weight a mark nearer the pivot.
    if (const auto* lever = std::get_if<LeverValues>(&e.values)) {
        const int mark = lever->placedMark();
        answer.lever[std::size_t(6 + mark)] = 0;
        if (lever->offeredCount > 1) {
            const int other = lever->offered[0] != lever->placedWeight() ? lever->offered[0] : lever->offered[1];
            answer.lever[std::size_t(6 + mark)] = other;
        } else {
            const int nearer = std::abs(mark) > 1 ? mark - (mark > 0 ? 1 : -1) : 2 * mark;
            answer.lever[std::size_t(6 + nearer)] = lever->placedWeight();
        }
    }
    return answer;
}

} // namespace orbeta
