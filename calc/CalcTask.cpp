#include "calc/CalcTask.h"

#include "tasks/TaskTable.h"

#include <vector>

namespace orbeta {
namespace {

// The codes of the task table's calculation rows: the enum follows their order.
const std::vector<const char*>& calcCodes()
{
    static const std::vector<const char*> codes = [] {
        std::vector<const char*> list;
        for (const TaskRow& row : TaskTable::rows())
            if (row.form == TaskFormKind::Mech1)
                list.push_back(row.code);
        return list;
    }();
    return codes;
}

} // namespace

QString calcTaskCode(CalcTask task)
{
    return QString::fromLatin1(calcCodes().at(static_cast<std::size_t>(task)));
}

int calcTaskTableRows(CalcTask task)
{
    return TaskTable::find(calcTaskCode(task))->tableRows;
}

QString calcTaskTableFile(CalcTask task)
{
    return QString::fromLatin1(TaskTable::find(calcTaskCode(task))->tableFile);
}

std::optional<CalcTask> calcTaskFromCode(QStringView code)
{
    for (CalcTask task : kAllCalcTasks)
        if (code == QLatin1String(calcCodes().at(static_cast<std::size_t>(task))))
            return task;
    return std::nullopt;
}

} // namespace orbeta
