// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "optics/ConstructionPainter.h"

#include "look/basics/Palette.h"
#include "optics/OpticsGenerator.h"
#include "optics/RayFeedback.h"

#include <QPainter>

namespace orbeta {
namespace {

void drawRay(QPainter& p, QPoint from, QPoint to, const QColor& colour, Qt::PenStyle style = Qt::SolidLine)
{
    p.setPen(QPen(colour, 1, style));
    p.drawLine(from, to);
    if (style != Qt::SolidLine)
        return;
    const RayHead head = OpticsGeometry::DrawRaySegment(from, to);
    p.drawLine(head.strokes[0]);
    p.drawLine(head.strokes[1]);
}

void drawArrow(QPainter& p, const ArrowStrokes& arrow, const QColor& colour, int width, Qt::PenStyle style)
{
    p.setPen(QPen(colour, width, style, Qt::FlatCap));
    p.drawLine(arrow.shaft);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(arrow.head[0]);
    p.drawLine(arrow.head[1]);
}

} // namespace

void ConstructionPainter::drawScene(QPainter& p, const OpticsExample& e, const QImage& picture, int letterPixels)
{
    const QSize area = OpticsGenerator::kArea;
    p.fillRect(QRect(QPoint(0, 0), area), Qt::white);
    if (!picture.isNull())
        p.drawImage((area.width() - picture.width()) / 2, (area.height() - picture.height()) / 2, picture);
    drawLetters(p, e, letterPixels);
    drawGiven(p, e);
}

void ConstructionPainter::drawLetters(QPainter& p, const OpticsExample& e, int pixels)
{
    using Place = OpticsPainter::LetterPlace;
    const int width = OpticsGenerator::kArea.width();
    auto letter = [&](int x, const char* text, Place place) {
        if (x >= 0 && x < width)
            OpticsPainter::drawLetter(p, x, QString::fromUtf8(text), pixels, place);
    };
    if (e.task == OpticsTask::Mirror) {
        // F lies half way between C and V.
        letter(e.centre.x(), "C", Place::Below);
        letter(e.focus.x(), "F", Place::Below);
        letter(2 * e.focus.x() - e.centre.x(), "V", Place::BelowLeft);
        return;
    }
    letter(e.focus.x(), "F", Place::Below);
    letter(2 * e.centre.x() - e.focus.x(), "F′", Place::Below);
    letter(e.centre.x(), "O", Place::BelowRight);
}

void ConstructionPainter::drawGiven(QPainter& p, const OpticsExample& e)
{
    for (int i = 1; i <= OpticsExample::kRays; ++i) {
        if (e.rayGiven[std::size_t(i)])
            drawRay(p, e.objectTop, e.rayPoints[std::size_t(i)][0], Palette::ray());
    }
    drawArrow(p, OpticsGeometry::DrawArrow(e.objectBase, e.objectTop, false, 10, 5), Qt::black, 2, Qt::SolidLine);
}

void ConstructionPainter::drawPupil(QPainter& p, const RayDrawing& drawing, bool marked)
{
    for (int i = 0; i < int(drawing.pupilRays().size()); ++i) {
        const PupilRay& ray = drawing.pupilRays()[std::size_t(i)];
        if (!ray.drawn)
            continue;
        const QColor colour = marked && RayFeedback::rayWrong(drawing, i) ? wrongRay() : QColor(Qt::black);
        drawRay(p, ray.start, ray.end, colour);
        if (ray.extendedToAxis || ray.extendedToBorder)
            drawRay(p, ray.extensionStart, ray.extensionEnd, colour, Qt::DotLine);
    }
    if (const auto& image = drawing.imageArrow(); image && image->top != OpticsGeometry::kMissing)
        drawArrow(p, OpticsGeometry::DrawArrow(image->base, image->top, image->pointsDown, 10, 5),
                  Palette::imageArrow(), 2, Qt::SolidLine);
}

void ConstructionPainter::drawCorrect(QPainter& p, const OpticsExample& e)
{
    const QSize area = OpticsGenerator::kArea;
    const bool away = e.task == OpticsTask::Mirror && e.kind == SceneKind::Second;
    for (int i = 1; i <= OpticsExample::kRays; ++i) {
        if (!e.rayGiven[std::size_t(i)])
            continue;
        const QPoint start = e.rayPoints[std::size_t(i)][0];
        const QPoint second = e.rayPoints[std::size_t(i)][1];
        const QPoint through = away ? 2 * start - second : second;
        const QPoint border = OpticsGeometry::ExtendToBorder(start, through, area);
        drawRay(p, start, border, Palette::ray());
        if (e.virtualImage()) {
            // Backwards through the image, as far as the pupil's own extension goes.
            const QPoint back = RayDrawing::backwardExtension(start, border, e.axisStart, area).end;
            drawRay(p, start, back, Palette::ray(), Qt::DotLine);
        }
    }
    if (e.image == OpticsGeometry::kMissing)
        return;
    const QPoint base(e.image.x(), e.axisY());
    if (e.virtualImage()) {
        // As bold as the real image, told apart from it by its dashes alone,
        // so that it stays clear on the scaled-down solution too.
        drawArrow(p, OpticsGeometry::DrawArrow(base, e.image, false, 10, 5), Palette::ray(), 2, Qt::DashLine);
        return;
    }
    // A real image beyond C is drawn with the larger head.
    const bool large = e.task == OpticsTask::Mirror && e.image.x() < e.centre.x();
    drawArrow(p, OpticsGeometry::DrawArrow(base, e.image, true, large ? 13 : 5, large ? 7 : 3), Palette::ray(), 2,
              Qt::SolidLine);
}

void ConstructionPainter::drawRubberBand(QPainter& p, QLine line)
{
    drawRay(p, line.p1(), line.p2(), QColor(40, 40, 40));
}

void ConstructionPainter::drawChosenStart(QPainter& p, QPoint start)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Palette::imageArrow(), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(start), 7, 7);
    p.restore();
}

} // namespace orbeta
