// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/contents/CalcWorksheet.h"

#include "calc/basics/QuantityTable.h"
#include "calc/experiments/Experiment.h"
#include "calc/experiments/LeverBoard.h"
#include "calc/form/CalcScene.h"
#include "calc/rules/TaskQuantities.h"
#include "look/basics/Layout.h"
#include "print/page/PrintPage.h"
#include "print/page/PrintQuantityLine.h"
#include "print/plan/CalcWorksheetLines.h"

#include <QPainter>

#include <algorithm>
#include <optional>

namespace orbeta::print {
namespace {

const QColor kKeyRed(160, 0, 0);
// A scene pixel is a screen pixel on paper.
constexpr double kPixelMm = 25.4 / 96;
// Room kept between the scene and the text column, and below the scene.
constexpr double kSceneGapMm = 3;
constexpr double kPoints = 12;

PrintFace printFace(LineFace face)
{
    return face == LineFace::Sigla ? PrintFace::Sigla : PrintFace::Sans;
}

// "2e" on the key: the lever with the placed weight on its mark.
std::optional<LeverBoard> balancedLever(const CalcExample& e)
{
    const auto* x = std::get_if<LeverValues>(&e.values);
    if (!x)
        return std::nullopt;
    const LeverPlaces places = CalcScene::leverPlaces();
    LeverBoard board(e, places);
    for (int w = 1; w <= board.looseCount(); ++w) {
        if (board.mass(w) != x->placedWeight())
            continue;
        board.press(w, true);
        board.move(places.hooks[std::size_t(x->placedMark() + 6)] - board.position(w));
        board.release();
        break;
    }
    return board;
}

// The example as its scene may show it on paper. The board of "2b" has a
// tick every metre, so with the distance asked its end flag would give the
// distance away to a pupil who counts; it stands at the start instead.
CalcExample printedScene(const CalcExample& e)
{
    CalcExample shown = e;
    if (auto* x = std::get_if<MechanicalWorkValues>(&shown.values);
        x && QuantityTable::named(TaskQuantities::of(e.task), "s").askedIn(e))
        x->s = 0;
    return shown;
}

void placeLine(PrintPage& page, const CalcWorksheetLine& line, double xMm, double yMm)
{
    // The key marks the right row of a table bold, dark red and underlined.
    const bool marked = line.kind == LineKind::RightRow;
    double x = xMm;
    for (std::size_t i = 0; i < line.pieces.size(); ++i) {
        const LinePiece& piece = line.pieces[i];
        const PrintFace face = printFace(piece.face);
        page.setTextColor(piece.answer ? kKeyRed : QColor(Qt::black));
        if (i == 0 && !line.symbol.isEmpty()) {
            x = PrintQuantityLine(page, xMm, yMm, line.symbol, printFace(line.symbolFace), piece.text, face);
            continue;
        }
        page.setFont(face, kPoints, marked);
        page.printText(x, yMm, piece.text);
        x += page.textWidthMm(piece.text);
    }
    page.setTextColor(Qt::black);
    if (!marked)
        return;
    const double underMm = yMm + page.lineHeightMm();
    QPainter& painter = page.painter();
    painter.save();
    painter.setTransform(page.mmTransform());
    painter.setPen(QPen(kKeyRed, 0.3));
    painter.drawLine(QPointF(xMm, underMm), QPointF(x, underMm));
    painter.restore();
}

} // namespace

FileResult<std::unique_ptr<WorksheetContent>> CalcWorksheet::load(const WorksheetRequest& request, const QString& dataDir)
{
    const std::optional<CalcTask> task = calcTaskFromCode(TaskTable::code(*request.task));
    if (!task)
        return FileError();
    FileResult<CalcTaskFiles> files = CalcTaskFiles::read(*task, dataDir);
    if (!files)
        return files.error();
    return std::unique_ptr<WorksheetContent>(std::make_unique<CalcWorksheet>(request, *task, std::move(files.value())));
}

CalcWorksheet::CalcWorksheet(const WorksheetRequest& request, CalcTask task, CalcTaskFiles files)
    : m_task(task)
    , m_files(std::move(files))
    , m_seed(request.seed)
    , m_answers(request.answers)
    , m_row(request.task)
{
}

void CalcWorksheet::Vygeneruj_Tisk(PrintPage& page, int topMm, int firstItem)
{
    const CalcSheetExample sheet =
        CalcWorksheetLines::example(m_task, m_files.numbers, m_seed + std::uint64_t(firstItem));
    const CalcSlotColumns columns = CalcWorksheetLines::columns(m_task);
    drawScene(page, sheet, columns);
    // The example's number on the sheet, above its values.
    page.setTextColor(Qt::black);
    page.setFont(PrintFace::Sans, kPoints, true);
    page.printText(columns.textMm, page.slotArea().top(), QStringLiteral("%1.").arg(firstItem + 1));
    for (const CalcWorksheetLine& line : CalcWorksheetLines::lines(sheet, m_files.table, m_files.numbers, m_answers))
        placeLine(page, line, columns.textMm + line.indentMm, topMm + line.offsetMm);
}

void CalcWorksheet::drawScene(PrintPage& page, const CalcSheetExample& sheet, const CalcSlotColumns& columns) const
{
    // In its own size at the top of the slot's area, unless it would reach
    // the text column or the next slot.
    const QSizeF sceneMm = QSizeF(Layout::kCalcScene.size()) * kPixelMm;
    const QRectF area = page.slotArea();
    const double scale = std::min({1.0, (columns.textMm - kSceneGapMm - columns.pictureMm) / sceneMm.width(),
                                   (area.height() - kSceneGapMm) / sceneMm.height()});
    QPainter& painter = page.painter();
    painter.save();
    painter.setTransform(QTransform::fromScale(kPixelMm * scale, kPixelMm * scale)
                         * QTransform::fromTranslate(columns.pictureMm, area.top()) * page.mmTransform());
    painter.setRenderHint(QPainter::Antialiasing);
    const CalcExample e = printedScene(sheet.example);
    const std::optional<LeverBoard> lever = m_answers ? balancedLever(e) : std::nullopt;
    CalcScene::draw(painter, e, Experiment(e).scene(0), m_files.map, lever ? &*lever : nullptr);
    painter.restore();
}

} // namespace orbeta::print
