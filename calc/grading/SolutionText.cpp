// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/grading/SolutionText.h"

#include "calc/rules/LeverTask.h"
#include "calc/rules/MotionTasks.h"
#include "calc/basics/NumberText.h"
#include "calc/basics/QuantityTable.h"
#include "calc/rules/TaskQuantities.h"
#include "formats/SiglaText.h"

#include <QStringList>

#include <algorithm>
#include <vector>

namespace orbeta {

QString SolutionText(const CalcExample& example)
{
    switch (example.task) {
    case CalcTask::NonUniformMotion: return MotionTasks::nonUniformSolution(example);
    case CalcTask::Lever: return LeverTask::solution(example);
    default: return QuantityTable::solutionLines(TaskQuantities::of(example.task), example);
    }
}

QString SolutionText(const CalcExample& example, const QString& slip)
{
    const QString solution = SolutionText(example);
    if (slip.isEmpty())
        return solution;
    if (!solution.contains(QLatin1Char('\n')))
        return solution + QLatin1Char('\n') + slip;
    // Two asked values share the line above the slip, named by the symbols
    // of their boxes' legends so that the line stays short: "W = 6 000 J; P = 1 500 W".
    std::vector<const Quantity*> asked;
    for (const Quantity& q : TaskQuantities::of(example.task))
        if (q.askedIn(example))
            asked.push_back(&q);
    std::stable_sort(asked.begin(), asked.end(), [](const Quantity* a, const Quantity* b) { return a->box < b->box; });
    QStringList values;
    for (const Quantity* q : asked)
        values << SiglaText::toUnicode(QStringView(q->symbol)) + QStringLiteral(" = ")
                      + GroupThousands(QuantityTable::valueText(q->read(example.values), q->decimals).trimmed())
                      + QLatin1Char(' ') + QStringView(q->unit).toString();
    return values.join(QStringLiteral("; ")) + QLatin1Char('\n') + slip;
}

} // namespace orbeta
