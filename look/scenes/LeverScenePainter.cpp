// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "look/scenes/LeverScenePainter.h"

#include "look/scenes/LabScene.h"
#include "look/basics/Palette.h"
#include "look/basics/Typeface.h"

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orbeta {
namespace {

constexpr qreal kBenchTop = 236;
constexpr qreal kBeamHalf = 4;     // half the beam's thickness
constexpr qreal kHookDrop = 14;    // from the beam's middle down to a weight's top
constexpr int kHomeTop = 196;
constexpr std::array<int, 3> kHomeLeft{16, 48, 80};


double radians(double tilt)
{
    return std::clamp(tilt, -1.0, 1.0) * LeverScenePainter::kTiltDegrees * std::numbers::pi / 180;
}

// The point of the beam's middle line at a mark, the lever tipped.
QPointF onBeam(int mark, double tilt)
{
    const double a = radians(tilt);
    const qreal along = mark * LeverScenePainter::kMarkStep;
    return QPointF(LeverScenePainter::kPivot) + QPointF(along * std::cos(a), along * std::sin(a));
}

void drawStand(QPainter& p)
{
    const QPointF pivot(LeverScenePainter::kPivot);
    p.setPen(QPen(LabScene::kSteelDark, 1.5));
    p.setBrush(LabScene::kMetal);
    p.drawPolygon(QPolygonF({pivot + QPointF(0, 2), QPointF(pivot.x() + 26, kBenchTop),
                             QPointF(pivot.x() - 26, kBenchTop)}));
}

void drawBeam(QPainter& p, double tilt, bool numbers)
{
    p.save();
    p.translate(QPointF(LeverScenePainter::kPivot));
    p.rotate(std::clamp(tilt, -1.0, 1.0) * LeverScenePainter::kTiltDegrees);
    const qreal half = 6 * LeverScenePainter::kMarkStep + 10;
    QLinearGradient grain(0, -kBeamHalf, 0, kBeamHalf);
    grain.setColorAt(0, LabScene::kWood.lighter(115));
    grain.setColorAt(1, LabScene::kWood);
    p.setPen(QPen(LabScene::kWoodDark, 1.5));
    p.setBrush(grain);
    p.drawRoundedRect(QRectF(-half, -kBeamHalf, 2 * half, 2 * kBeamHalf), 2, 2);
    for (int mark = -6; mark <= 6; ++mark) {
        const qreal x = mark * LeverScenePainter::kMarkStep;
        p.setPen(QPen(LabScene::kWoodDark, 1.5));
        p.drawLine(QPointF(x, -kBeamHalf), QPointF(x, kBeamHalf));
        if (mark != 0) {
            // The hook under the mark.
            p.setPen(QPen(LabScene::kSteelDark, 1.5));
            p.setBrush(Qt::NoBrush);
            p.drawLine(QPointF(x, kBeamHalf), QPointF(x, kHookDrop - 5));
            p.drawArc(QRectF(x - 3, kHookDrop - 7, 6, 6), 180 * 16, 180 * 16);
        }
        if (numbers) {
            p.setFont(Typeface::font(Typeface::kMinTextPx, true));
            p.setPen(Palette::ink());
            p.drawText(QRectF(x - 10, -kBeamHalf - 18, 20, 16), Qt::AlignCenter, QString::number(std::abs(mark)));
        }
    }
    p.restore();
    // The axle.
    p.setPen(QPen(LabScene::kSteelDark, 1.5));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(LeverScenePainter::kPivot), 3.5, 3.5);
}

// A weight hanging at a mark: its top centre under the mark's hook.
QPoint hangingCorner(int mark, double tilt)
{
    const QPointF top = onBeam(mark, tilt) + QPointF(0, kHookDrop - 2);
    return QPoint(qRound(top.x() - LeverScenePainter::kWeightSize.width() / 2.0), qRound(top.y()));
}

void drawWeightAt(QPainter& p, QPoint at, int mass)
{
    p.save();
    p.translate(at);
    LeverScenePainter::drawWeight(p, LeverScenePainter::kWeightSize, mass, true);
    p.restore();
}

} // namespace

QPoint LeverScenePainter::hook(int mark)
{
    return hangingCorner(mark, 0);
}

QPoint LeverScenePainter::home(int weight)
{
    return QPoint(kHomeLeft[static_cast<std::size_t>(std::clamp(weight, 1, 3) - 1)], kHomeTop);
}

QRect LeverScenePainter::leverApparatus()
{
    const int half = 6 * kMarkStep + 12;
    return QRect(kPivot.x() - half, 60, 2 * half, int(kBenchTop) - 60);
}

void LeverScenePainter::drawLever(QPainter& p, double tilt)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    drawStand(p);
    drawBeam(p, tilt, true);
    p.restore();
}

void LeverScenePainter::drawWeight(QPainter& p, QSize size, int mass, bool ring)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();
    const qreal top = ring ? 8 : 0;
    if (ring) {
        p.setPen(QPen(LabScene::kIron.darker(130), 2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(w / 2 - 4, 1, 8, 8));
    }
    LabScene::drawIronBody(p, {QPointF(3, top), QPointF(w - 3, top), QPointF(w - 0.5, h - 0.5), QPointF(0.5, h - 0.5)},
                           w, 1);
    // The weight's force is what the pupil reads: large, white on the dark iron, its unit below.
    p.setFont(Typeface::font(Typeface::kMinTextPx, true));
    p.setPen(Qt::white);
    const qreal line = (h - top) / 2;
    p.drawText(QRectF(0, top + 1, w, line), Qt::AlignHCenter | Qt::AlignBottom, QString::number(mass));
    p.drawText(QRectF(0, top + line - 1, w, line), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("N"));
    p.restore();
}

void LeverScenePainter::drawScene(QPainter& p, const LeverScene& scene)
{
    LabScene::drawRoom(p, kBenchTop);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    drawStand(p);
    drawBeam(p, scene.tilt, true);
    // The tray of the loose weights.
    p.setPen(QPen(LabScene::kWoodDark, 1.5));
    p.setBrush(LabScene::kWood);
    p.drawRect(QRectF(kHomeLeft[0] - 6, kHomeTop + kWeightSize.height(), 3 * 32 + 8, 5));
    if (scene.shownMark) {
        const QPointF at = onBeam(*scene.shownMark, scene.tilt) + QPointF(0, kHookDrop - 4);
        p.setPen(QPen(Palette::mark(), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(at, 8, 8);
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::mark());
        p.drawEllipse(at, 3, 3);
    }
    if (scene.keyMark) {
        const QPoint corner = hangingCorner(*scene.keyMark, scene.tilt);
        p.setPen(QPen(Palette::strip(), 1.5, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(corner, kWeightSize).adjusted(-3, -3, 3, 3), 3, 3);
    }
    for (const LeverScene::Hanging& h : scene.hanging)
        drawWeightAt(p, hangingCorner(h.mark, scene.tilt), h.mass);
    for (const LeverScene::Loose& l : scene.loose)
        drawWeightAt(p, l.at, l.mass);
    p.restore();
}

void LeverScenePainter::drawSolution(QPainter& p, QSize size, const LeverScene& balanced, const QStringList& lines)
{
    p.save();
    p.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    const int lineHeight = 18;
    p.setFont(Typeface::font(14, true));
    p.setPen(Palette::ink());
    for (int i = 0; i < lines.size(); ++i)
        p.drawText(QRectF(6, 4 + i * lineHeight, size.width() - 12, lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   lines[i]);
    const qreal top = 8 + lines.size() * lineHeight;
    const qreal scale = std::min(size.width() / qreal(LabScene::kSize.width()),
                                 (size.height() - top) / qreal(LabScene::kSize.height()));
    p.translate((size.width() - LabScene::kSize.width() * scale) / 2, top);
    p.scale(scale, scale);
    drawScene(p, balanced);
    p.restore();
}

} // namespace orbeta
