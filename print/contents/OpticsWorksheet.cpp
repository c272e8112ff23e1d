// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/contents/OpticsWorksheet.h"

#include "look/screens/OpticsPainter.h"
#include "optics/ConstructionPainter.h"
#include "optics/OpticsTaskFile.h"
#include "print/page/PrintPage.h"

#include <QPainter>

#include <algorithm>

namespace orbeta::print {
namespace {

// The mirror or lens the screen shows as a picture, drawn as vectors.
void drawElement(QPainter& p, const OpticsExample& e)
{
    const QSize area = OpticsGenerator::kArea;
    if (e.task == OpticsTask::Lens) {
        OpticsPainter::drawLens(p, area, e.firstKind());
        return;
    }
    const QString file = e.pictureName.section(QLatin1Char('\\'), -1);
    for (const MirrorDrawing& mirror : OpticsPainter::mirrors())
        if (file.compare(QLatin1String(mirror.fileName), Qt::CaseInsensitive) == 0)
            OpticsPainter::drawMirror(p, area, mirror);
}

// Where the scene lies on the page when its slot may draw in `slotArea` (mm):
// centred across the slot, at its own scale unless the slot is lower (the
// last one, above the footer).
QRectF sceneRectMm(const QRectF& slotArea)
{
    const QSizeF own = QSizeF(OpticsGenerator::kArea) / OpticsWorksheet::kPxPerMm;
    const QSizeF size = own * std::min(1.0, slotArea.height() / own.height());
    return {QPointF(slotArea.center().x() - size.width() / 2, slotArea.top()), size};
}

} // namespace

OpticsTaskFile::PictureCheck OpticsWorksheet::pictureCheck()
{
    return [](const QString& bitmapName) {
        const std::optional<bool> concave = OpticsPainter::concaveMirror(bitmapName);
        return OpticsTaskFile::pictureOf(concave.has_value(), concave);
    };
}

FileResult<std::unique_ptr<WorksheetContent>> OpticsWorksheet::load(const WorksheetRequest& request,
                                                                    const QString& dataDir)
{
    const std::optional<OpticsTask> task = opticsTaskFromCode(QString::fromUtf8(request.task->code));
    if (!task)
        return FileError{QString::fromUtf8(request.task->code), 0, QStringLiteral("nie je úloha optiky.")};
    FileResult<OpticsGenerator> generator = OpticsTaskFile::read(*task, dataDir, pictureCheck());
    if (!generator)
        return generator.error();
    FileResult<OpticsSheet> sheet = OpticsSheet::make(std::move(generator.value()), request.count, request.seed);
    if (!sheet)
        return sheet.error();
    return std::unique_ptr<WorksheetContent>(std::make_unique<OpticsWorksheet>(std::move(sheet.value()), request.answers));
}

void OpticsWorksheet::Vygeneruj_Tisk(PrintPage& page, int, int firstItem)
{
    if (firstItem < 0 || firstItem >= m_sheet.count())
        return;
    const OpticsExample& e = m_sheet.example(firstItem);
    const QRectF scene = sceneRectMm(page.slotArea());
    const double mmPerPx = scene.width() / OpticsGenerator::kArea.width();
    QPainter& p = page.painter();
    p.save();
    p.setTransform(QTransform::fromScale(mmPerPx, mmPerPx) * QTransform::fromTranslate(scene.x(), scene.y())
                   * page.mmTransform());
    p.setClipRect(QRect(QPoint(0, 0), OpticsGenerator::kArea));
    drawElement(p, e);
    p.setRenderHint(QPainter::Antialiasing);
    ConstructionPainter::drawGiven(p, e);
    if (m_answers)
        ConstructionPainter::drawCorrect(p, e);
    p.restore();
    // The example's number on the sheet, left of its scene.
    page.setTextColor(Qt::black);
    page.setFont(PrintFace::Sans, 12, true);
    page.printText(4, page.slotArea().top(), QStringLiteral("%1.").arg(firstItem + 1));
}

} // namespace orbeta::print
