// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/basics/CalcRoute.h"
#include "calc/basics/CalcTable.h"
#include "calc/basics/CalcTask.h"
#include "calc/tables/ExampleTable.h"
#include "formats/FileResult.h"

#include <QString>

namespace orbeta {

// The data files a calculation task reads when it is opened, for a series
// or a worksheet alike: its table (the rows the form shows and the numbers
// the generator draws from) and the map of "1d".
struct CalcTaskFiles {
    CalcTable table;
    ExampleTable numbers;
    CalcMap map{};

    // Reads the task's files from `dataDir`; a task without a table or a map
    // leaves them empty. The error names the file and, for its contents, the line.
    static FileResult<CalcTaskFiles> read(CalcTask task, const QString& dataDir);
};

} // namespace orbeta
