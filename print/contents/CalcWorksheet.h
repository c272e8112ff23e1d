// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/basics/CalcTask.h"
#include "calc/data/CalcTaskFiles.h"
#include "formats/FileResult.h"
#include "print/page/WorksheetContent.h"

#include <memory>

namespace orbeta::print {

struct CalcSheetExample;
struct CalcSlotColumns;

// The slots of a calculation task's worksheet: the apparatus as the screen
// first shows it, and beside it the quantities, the asked ones blank (on the
// key filled in).
class CalcWorksheet : public WorksheetContent {
public:
    // The task's table and, for "1d", its map, from `dataDir`.
    static FileResult<std::unique_ptr<WorksheetContent>> load(const WorksheetRequest& request, const QString& dataDir);

    CalcWorksheet(const WorksheetRequest& request, CalcTask task, CalcTaskFiles files);

    void Vygeneruj_Tisk(PrintPage& page, int topMm, int firstItem) override;

private:
    void drawScene(PrintPage& page, const CalcSheetExample& sheet, const CalcSlotColumns& columns) const;

    CalcTask m_task;
    CalcTaskFiles m_files;
    std::uint64_t m_seed;
    bool m_answers;
    const TaskRow* m_row;
};

} // namespace orbeta::print
