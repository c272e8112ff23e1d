#include "print/PrintWorksheet.h"

#include "print/AssignmentLines.h"
#include "print/PrintPage.h"
#include "print/WorksheetCode.h"
#include "print/WorksheetPlan.h"
#include "shell/SiglaText.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace orbeta::print {
namespace {

const QColor kNavy(0, 0, 128);
const QColor kKeyRed(160, 0, 0);

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
    out.printText(116, 17, QStringLiteral("Meno: ........................................................."));
    out.printText(167, 285, QStringLiteral("Orbeta - Tarovia"));

    out.setTextColor(Qt::black);
    out.setFont(PrintFace::Sans, 12, false, false);
    out.printText(136, 14, request.pupilName);

    QPainter& painter = out.painter();
    painter.save();
    painter.resetTransform();
    painter.setPen(QPen(Qt::black, out.MmToY(0.25f)));
    painter.drawLine(QPointF(0, out.MmToY(25)), QPointF(out.MmToX(210), out.MmToY(25)));
    painter.drawLine(QPointF(0, out.MmToY(282)), QPointF(out.MmToX(210), out.MmToY(282)));
    painter.restore();

    out.setFont(PrintFace::Sans, 10, false, false);
    out.printText(4, 285, QStringLiteral("Dátum: ") + PrintWorksheet::dateText(request.date));
    out.printText(44, 285, QStringLiteral("Kód: ")
                              + WorksheetCode{TaskTable::code(*request.task), request.count, request.seed}.text());
    out.printText(100, 285, QStringLiteral("Stránka: %1").arg(page));
}

void printAssignmentAndLegend(PrintPage& out, const TaskRow& task)
{
    out.setTextColor(Qt::black);
    out.setFont(PrintFace::Sans, 12, false, true);
    const AssignmentLines assignment = AssignmentLines::wrap(
        QString::fromUtf8(task.sheetTexts.assignment), [&out](const QString& line) { return out.textWidthMm(line); });
    for (int i = 0; i < AssignmentLines::kLines; ++i)
        out.printText(4, AssignmentLines::lineTopMm(i + 1), assignment.lines[i]);

    const std::optional<int> legendTop = assignment.legendTopMm();
    const auto& legend = task.sheetTexts.legend;
    if (!legendTop || legend[0].symbol == nullptr)
        return;
    for (std::size_t r = 0; r < legend.size() && legend[r].symbol; ++r) {
        const double y = *legendTop + 5.0 * double(r);
        // The symbols print as the characters they show, so that the page's
        // text says "m₁" and not the font's stand-in letters.
        out.setFont(PrintFace::Sigla, 12, false, true);
        out.printText(4, y, SiglaText::toUnicode(QString::fromUtf8(legend[r].symbol)));
        out.setFont(PrintFace::Sans, 12, false, true);
        out.printText(16, y, QString::fromUtf8(legend[r].text));
    }
}

} // namespace

void PrintWorksheet::printPage(PrintPage& out, const WorksheetRequest& request, WorksheetContent& content, int page)
{
    const WorksheetPlan plan(*request.task, request.count);
    for (const SlotPlace& place : plan.slotsOn(page)) {
        QPainter& painter = out.painter();
        painter.save();
        out.setTextColor(Qt::black);
        content.Vygeneruj_Tisk(out, place.topMm, place.firstItem);
        painter.restore();
    }
    printHeaderAndFooter(out, request, page);
    printAssignmentAndLegend(out, *request.task);
}

bool PrintWorksheet::print(QPagedPaintDevice& device, const WorksheetRequest& request, WorksheetContent& content)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    PrintPage out(painter, QSizeF(device.width(), device.height()));
    const WorksheetPlan plan(*request.task, request.count);
    for (int page = 1; page <= plan.pageCount(); ++page) {
        if (page > 1 && !device.newPage())
            return false;
        printPage(out, request, content, page);
    }
    return painter.end();
}

QString PrintWorksheet::dateText(const QDate& date)
{
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

} // namespace orbeta::print
