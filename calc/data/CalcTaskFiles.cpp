// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/data/CalcTaskFiles.h"

#include "calc/data/DataFile.h"
#include "calc/tables/MapFile.h"
#include "calc/rules/MotionTasks.h"
#include "calc/tables/TableFile.h"
#include "files/ResourcePath.h"
#include "tasks/TaskTable.h"

namespace orbeta {

FileResult<CalcTaskFiles> CalcTaskFiles::read(CalcTask task, const QString& dataDir)
{
    CalcTaskFiles files;
    const TaskRow* row = TaskTable::find(calcTaskCode(task));
    const QString tableFile = row ? QString::fromLatin1(row->tableFile) : QString();
    if (!tableFile.isEmpty()) {
        const QString path = ResourcePath::resolve(dataDir, tableFile);
        const FileResult<QByteArray> bytes = LoadDataFile(path);
        if (!bytes)
            return bytes.error();
        const FileResult<CalcTable> table =
            ReadTableFile(bytes.value(), path, ExampleTable::needs(task));
        if (!table)
            return table.error();
        files.table = table.value();
        if (task == CalcTask::NonUniformMotion)
            if (const std::optional<FileError> problem = MotionTasks::vehicleTableProblem(files.table, path))
                return *problem;
        const FileResult<ExampleTable> numbers = ExampleTable::fromCalcTable(task, files.table, path);
        if (!numbers)
            return numbers.error();
        files.numbers = numbers.value();
    }
    const QString mapFile = row ? QString::fromLatin1(row->mapFile) : QString();
    if (!mapFile.isEmpty()) {
        const QString path = ResourcePath::resolve(dataDir, mapFile);
        const FileResult<QByteArray> bytes = LoadDataFile(path);
        if (!bytes)
            return bytes.error();
        const FileResult<CalcMap> map = ReadMapFile(bytes.value(), path);
        if (!map)
            return map.error();
        files.map = map.value();
    }
    return files;
}

} // namespace orbeta
