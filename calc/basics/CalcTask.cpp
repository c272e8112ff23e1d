// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/basics/CalcTask.h"

#include "tasks/TaskTable.h"

#include <vector>

namespace orbeta {
namespace {

// The task table's calculation rows: the enum follows their order.
const TaskRow& rowOf(CalcTask task)
{
    static const std::vector<const TaskRow*> rows = [] {
        std::vector<const TaskRow*> list;
        for (const TaskRow& row : TaskTable::rows())
            if (row.form == TaskFormKind::Mech1)
                list.push_back(&row);
        return list;
    }();
    return *rows.at(static_cast<std::size_t>(task));
}

} // namespace

QString calcTaskCode(CalcTask task)
{
    return TaskTable::code(rowOf(task));
}

int calcTaskTableRows(CalcTask task)
{
    return rowOf(task).tableRows;
}

QString calcTaskTableFile(CalcTask task)
{
    return QString::fromLatin1(rowOf(task).tableFile);
}

std::optional<CalcTask> calcTaskFromCode(QStringView code)
{
    for (CalcTask task : kAllCalcTasks)
        if (code == QLatin1String(rowOf(task).code))
            return task;
    return std::nullopt;
}

int calcTaskVariants(CalcTask task)
{
    switch (task) {
    case CalcTask::WinchEnergy:
    case CalcTask::Heat:
    case CalcTask::Melting:
    case CalcTask::ElectricEnergy: return 1;
    case CalcTask::Lever: return 6;
    case CalcTask::SeriesResistors:
    case CalcTask::ParallelResistors: return 5;
    default: return 3;
    }
}

} // namespace orbeta
