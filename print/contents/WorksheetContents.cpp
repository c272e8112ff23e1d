// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/contents/WorksheetContents.h"

#include "print/contents/CalcWorksheet.h"
#include "print/contents/HistoryWorksheet.h"
#include "print/contents/OpticsWorksheet.h"

namespace orbeta::print {

FileResult<std::unique_ptr<WorksheetContent>> WorksheetContents::load(const WorksheetRequest& request,
                                                                      const QString& dataDir)
{
    switch (request.task->form) {
    case TaskFormKind::Mech1:
        return CalcWorksheet::load(request, dataDir);
    case TaskFormKind::Zobr:
        return OpticsWorksheet::load(request, dataDir);
    case TaskFormKind::Dvojice:
    case TaskFormKind::Osa:
        return HistoryWorksheet::load(request, dataDir);
    }
    return FileError();
}

} // namespace orbeta::print
