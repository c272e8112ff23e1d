// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/page/WorksheetDocument.h"

#include "print/page/A4Document.h"
#include "print/page/PrintPage.h"
#include "print/page/PrintWorksheet.h"
#include "print/plan/WorksheetCode.h"

#include <QPdfWriter>

namespace orbeta::print {

QByteArray WorksheetDocument::pdf(const WorksheetRequest& request, WorksheetContent& content)
{
    const QString title = QString::fromUtf8(request.task->sheetTexts.title) + QStringLiteral(" (")
                          + WorksheetCode{TaskTable::code(*request.task), request.count, request.seed}.text()
                          + QLatin1Char(')');
    return A4Document::pdf(title, [&](QPdfWriter& writer) { return PrintWorksheet::print(writer, request, content); });
}

QImage WorksheetDocument::pageImage(const WorksheetRequest& request, WorksheetContent& content, int page,
                                    int dotsPerInch)
{
    return A4Document::pageImage(dotsPerInch,
                                 [&](PrintPage& out) { PrintWorksheet::printPage(out, request, content, page); });
}

} // namespace orbeta::print
