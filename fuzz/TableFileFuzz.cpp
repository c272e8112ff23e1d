// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The tables of the calculation tasks ("1a.dat", "1b.dat", "1d.dat", "3a.dat",
// "3b.dat") and the check of the numbers the examples take from them.
#include "fuzz/FuzzCheck.h"

#include "calc/basics/CalcTask.h"
#include "calc/tables/ExampleTable.h"
#include "calc/rules/MotionTasks.h"
#include "calc/tables/TableFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orbeta;
    const QByteArray bytes = fuzz::bytesOf(data, size);
    for (const CalcTask task : {CalcTask::LiquidDensity, CalcTask::SolidDensity, CalcTask::Heat, CalcTask::Melting}) {
        const QString name = ExampleTable::fileName(task);
        const auto table = ReadTableFile(bytes, name, ExampleTable::needs(task));
        if (!table)
            continue;
        const auto numbers = ExampleTable::fromCalcTable(task, table.value(), name);
        fuzz::require(!numbers || numbers.value().rows() >= ExampleTable::rowsNeeded(task),
                      "an accepted table has the rows its task needs");
    }
    if (const auto vehicles = ReadTableFile(bytes, QStringLiteral("1d.dat")))
        MotionTasks::vehicleTableProblem(vehicles.value(), QStringLiteral("1d.dat"));
    return 0;
}
