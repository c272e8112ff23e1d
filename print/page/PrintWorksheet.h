// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/page/PrintPage.h"
#include "print/page/WorksheetContent.h"

#include <QRectF>

class QPagedPaintDevice;
class QPainter;

namespace orbeta::print {


// The frame of a worksheet: header and footer, the assignment and the
// legend on every page, and the task's examples in the slots of its page plan.
class PrintWorksheet {
public:
    // Page `page` (from 1) onto `out`.
    static void printPage(PrintPage& out, const WorksheetRequest& request, WorksheetContent& content, int page);
    // Every page onto `device` (A4, no margins), each on a new sheet; false
    // when the device could not be painted on.
    static bool print(QPagedPaintDevice& device, const WorksheetRequest& request, WorksheetContent& content);
    // The same onto a painter already open on `device`; with `newSheetFirst`
    // the first page goes on a new sheet too (a further copy).
    static bool printPages(QPainter& painter, QPagedPaintDevice& device, const WorksheetRequest& request,
                           WorksheetContent& content, bool newSheetFirst);

    static QString dateText(const QDate& date);
    // The hairlines under the header and above the footer.
    static void printRules(PrintPage& out);
    // The worksheet's A4 page drawn into the printable part of a sheet.
    static PrintPage fitPage(QPainter& painter, const QRectF& printable);
    // What the PDF and the pictures leave blank around the page, as most
    // printers cannot print at the paper's edge.
    static constexpr double kPaperMarginMm = 5;
    // Where slot `slot` (from 1) of the task's pages may draw, in millimetres:
    // `PrintPage::slotArea` while the slot is printed.
    static QRectF slotAreaMm(PrintPage& out, const TaskRow& task, int slot);
};

} // namespace orbeta::print
