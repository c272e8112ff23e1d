// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/page/PrintWorksheet.h"

#include "formats/SiglaText.h"
#include "print/page/PrintPage.h"
#include "print/plan/AssignmentLines.h"
#include "print/plan/WorksheetCode.h"
#include "print/plan/WorksheetPlan.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace orbeta::print {
namespace {

const QColor kNavy(0, 0, 128);
const QColor kKeyRed(160, 0, 0);
// Lines that could run off the paper end where the left margin begins on the other side.
constexpr double kRightEdgeMm = 206;

void printHeaderAndFooter(PrintPage& out, const WorksheetRequest& request, int page)
{
    const SheetTexts& texts = request.task->sheetTexts;
    out.setTextColor(kNavy);
    out.setFont(PrintFace::Sans, 20, true, false);
    out.printText(4, 4, QString::fromUtf8(texts.topic));
    if (request.answers) {
        out.setTextColor(kKeyRed);
        out.printText(116, 4, QStringLiteral("Riešenie"));
        out.setTextColor(kNavy);
    }
    out.setFont(PrintFace::Sans, 12, true, false);
    out.printText(4, 17, QString::fromUtf8(texts.title));
    // The dots of the name line close up to end at the margin; the word keeps its shape.
    const QString nameLabel = QStringLiteral("Meno: ");
    out.printText(116, 17, nameLabel);
    out.printText(116 + out.textWidthMm(nameLabel), 17,
                  QStringLiteral("........................................................."), kRightEdgeMm);
    out.printText(167, 285, QStringLiteral("Orbeta - Tarovia"));

    out.setTextColor(Qt::black);
    out.setFont(PrintFace::Sans, 12, false, false);
    out.printText(136, 14, request.pupilName, kRightEdgeMm);

    PrintWorksheet::printRules(out);

    out.setFont(PrintFace::Sans, 10, false, false);
    out.printText(4, 285, QStringLiteral("Dátum: ") + PrintWorksheet::dateText(request.date));
    out.printText(44, 285, QStringLiteral("Kód: ")
                              + WorksheetCode{TaskTable::code(*request.task), request.count, request.seed}.text());
    out.printText(100, 285, QStringLiteral("Stránka: %1").arg(page));
}

// Below the header's rule, above the footer's.
constexpr int kBodyTopMm = 26;
constexpr int kBodyBottomMm = 281;
constexpr int kPictureRiseMm = 20;

int legendRows(const TaskRow& task)
{
    const auto& legend = task.sheetTexts.legend;
    return int(std::find_if(legend.begin(), legend.end(), [](const LegendRow& r) { return r.symbol == nullptr; })
               - legend.begin());
}

AssignmentLines wrapAssignment(PrintPage& out, const TaskRow& task)
{
    out.setFont(PrintFace::Sans, 12, false, true);
    return AssignmentLines::wrap(QString::fromUtf8(task.sheetTexts.assignment),
                                 [&out](const QString& line) { return out.textWidthMm(line); });
}

// The lowest point of the assignment and the legend.
int textBottomMm(const AssignmentLines& assignment, const TaskRow& task)
{
    int bottom = kBodyTopMm;
    for (int i = 0; i < AssignmentLines::kLines; ++i)
        if (!assignment.lines[i].isEmpty())
            bottom = AssignmentLines::lineTopMm(i + 1) + 5;
    if (const std::optional<int> legendTop = assignment.legendTopMm(); legendTop && legendRows(task) > 0)
        bottom = std::max(bottom, *legendTop + 5 * legendRows(task));
    return bottom;
}

// A slot's picture starts up to 20 mm above its top: as far as the texts
// above the first slot allow, the same on every slot of the sheet. Every
// slot is as high as the step between two, the last one no lower than the footer.
QRectF slotArea(const TaskRow& task, int textBottomMm, int slot)
{
    const WorksheetPlan plan(task, 1);
    const int rise = std::clamp(plan.slotTop(1) - (textBottomMm + 1), 0, kPictureRiseMm);
    const int top = plan.slotTop(slot) - rise;
    const int bottom = std::min(top + task.sheet.slotStep - 1, kBodyBottomMm);
    return QRectF(0, top, PrintPage::kWidthMm, bottom - top);
}

void printAssignmentAndLegend(PrintPage& out, const AssignmentLines& assignment, const TaskRow& task)
{
    out.setTextColor(Qt::black);
    out.setFont(PrintFace::Sans, 12, false, true);
    for (int i = 0; i < AssignmentLines::kLines; ++i)
        out.printText(4, AssignmentLines::lineTopMm(i + 1), assignment.lines[i]);

    const std::optional<int> legendTop = assignment.legendTopMm();
    if (!legendTop)
        return;
    // The descriptions form a column at 16 mm, or further right when a
    // symbol (such as "R₁, R₂") is wider.
    // The symbols print as the characters they show, so that the page's
    // text says "m₁" and not the font's stand-in letters.
    QStringList symbols;
    double column = 16;
    out.setFont(PrintFace::Sigla, 12, false, true);
    for (int r = 0; r < legendRows(task); ++r) {
        symbols.append(SiglaText::toUnicode(QString::fromUtf8(task.sheetTexts.legend[std::size_t(r)].symbol)));
        column = std::max(column, 4 + 1.5 + out.textWidthMm(symbols.back()));
    }
    for (int r = 0; r < symbols.size(); ++r) {
        const double y = *legendTop + 5.0 * r;
        out.setFont(PrintFace::Sigla, 12, false, true);
        out.printText(4, y, symbols[r]);
        out.setFont(PrintFace::Sans, 12, false, true);
        out.printText(column, y, QString::fromUtf8(task.sheetTexts.legend[std::size_t(r)].text));
    }
}

} // namespace

void PrintWorksheet::printPage(PrintPage& out, const WorksheetRequest& request, WorksheetContent& content, int page)
{
    const WorksheetPlan plan(*request.task, request.count);
    const AssignmentLines assignment = wrapAssignment(out, *request.task);
    const int textBottom = textBottomMm(assignment, *request.task);
    for (const SlotPlace& place : plan.slotsOn(page)) {
        out.setSlotArea(slotArea(*request.task, textBottom, place.slot));
        QPainter& painter = out.painter();
        painter.save();
        out.setTextColor(Qt::black);
        content.Vygeneruj_Tisk(out, place.topMm, place.firstItem);
        painter.restore();
    }
    printHeaderAndFooter(out, request, page);
    printAssignmentAndLegend(out, assignment, *request.task);
}

QRectF PrintWorksheet::slotAreaMm(PrintPage& out, const TaskRow& task, int slot)
{
    return slotArea(task, textBottomMm(wrapAssignment(out, task), task), slot);
}

bool PrintWorksheet::print(QPagedPaintDevice& device, const WorksheetRequest& request, WorksheetContent& content)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const bool printed = printPages(painter, device, request, content, false);
    return painter.end() && printed;
}

bool PrintWorksheet::printPages(QPainter& painter, QPagedPaintDevice& device, const WorksheetRequest& request,
                                WorksheetContent& content, bool newSheetFirst)
{
    PrintPage out = fitPage(painter, QRectF(0, 0, device.width(), device.height()));
    const WorksheetPlan plan(*request.task, request.count);
    for (int page = 1; page <= plan.pageCount(); ++page) {
        if ((page > 1 || newSheetFirst) && !device.newPage())
            return false;
        printPage(out, request, content, page);
    }
    return true;
}

PrintPage PrintWorksheet::fitPage(QPainter& painter, const QRectF& printable)
{
    // The A4 page keeps its proportions on any paper (landscape, letter,
    // a printer's margins): the largest upright A4 that fits, centred.
    const double scale =
        std::min(printable.width() / PrintPage::kWidthMm, printable.height() / PrintPage::kHeightMm);
    const QSizeF a4(PrintPage::kWidthMm * scale, PrintPage::kHeightMm * scale);
    return PrintPage(painter, a4,
                     printable.topLeft()
                         + QPointF((printable.width() - a4.width()) / 2, (printable.height() - a4.height()) / 2));
}

QString PrintWorksheet::dateText(const QDate& date)
{
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

void PrintWorksheet::printRules(PrintPage& out)
{
    QPainter& painter = out.painter();
    painter.save();
    painter.resetTransform();
    painter.setPen(QPen(Qt::black, out.dotsPerMm() * 0.25));
    painter.drawLine(QPointF(out.MmToX(0), out.MmToY(25)), QPointF(out.MmToX(210), out.MmToY(25)));
    painter.drawLine(QPointF(out.MmToX(0), out.MmToY(282)), QPointF(out.MmToX(210), out.MmToY(282)));
    painter.restore();
}

} // namespace orbeta::print
