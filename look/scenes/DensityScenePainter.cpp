// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "look/scenes/DensityScenePainter.h"

#include "look/scenes/LabScene.h"
#include "look/basics/Layout.h"
#include "look/basics/Palette.h"
#include "look/basics/Typeface.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>

namespace orbeta {
namespace {

// A measuring cylinder: its inside from `left`, `width` wide, the 0 ml mark
// at `bottom`, `pxPerMl` pixels per millilitre up to the 200 ml mark.
struct Cylinder {
    qreal left;
    qreal width;
    qreal bottom;
    qreal pxPerMl;

    qreal levelY(int ml) const { return bottom - ml * pxPerMl; }
    qreal rimY() const { return levelY(DensityScenePainter::kScaleMl) - 10; }
    qreal centreX() const { return left + width / 2; }
    QRectF inside() const { return QRectF(left, rimY(), width, bottom - rimY()); }
};

// Ticks every 10 ml are 8 pixels apart on the balance's cylinder; the hanging
// body of "1b" needs headroom, so its cylinder is drawn at 5 pixels per 10 ml.
constexpr Cylinder kLiquidCylinder{66, 62, 182, 0.8};
constexpr Cylinder kSolidCylinder{81, 62, 228, 0.5};

constexpr qreal kBenchTop = 236;
constexpr int kTickMl = 10;
constexpr int kNumberMl = 50;


// The balance of "1a" and the hanging scale of "1b" (its display is the box).
constexpr QRectF kBalance{18, 196, 196, 40};
constexpr QPoint kFullMassBox{104, 204};
constexpr QPoint kEmptyMassBox{200, 44};
constexpr QPoint kVolumeBox{200, 112};
constexpr QPoint kBodyMassBox{91, 18};
constexpr QPoint kVolumeBeforeBox{204, 134};
constexpr QPoint kVolumeAfterBox{204, 190};
constexpr qreal kStandRod = 16;
constexpr qreal kArmY = 4;
constexpr qreal kHookBottom = 54;

void drawCylinderBack(QPainter& p, const Cylinder& c)
{
    const qreal rim = c.rimY();
    // The foot: a flat base wider than the tube.
    QLinearGradient foot(0, c.bottom, 0, c.bottom + 8);
    foot.setColorAt(0, QColor(226, 236, 248));
    foot.setColorAt(1, QColor(184, 200, 222));
    p.setPen(QPen(LabScene::kGlassEdge, 1.5));
    p.setBrush(foot);
    p.drawRoundedRect(QRectF(c.left - 22, c.bottom + 1, c.width + 44, 7), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(LabScene::kGlassInside);
    p.drawRect(QRectF(c.left, rim, c.width, c.bottom - rim));
}

void drawLiquid(QPainter& p, const Cylinder& c, int ml)
{
    if (ml <= 0)
        return;
    const qreal top = c.levelY(std::min(ml, DensityScenePainter::kScaleMl + 5));
    p.fillRect(QRectF(c.left, top, c.width, c.bottom - top), Palette::liquid());
    p.fillRect(QRectF(c.left, top, c.width, 1.5), Palette::liquid().darker(135));
}

// Without the scale (the volume is asked) the glass has no ticks either, so
// that the asked volume cannot be counted off them.
void drawCylinderFront(QPainter& p, const Cylinder& c, bool numbers)
{
    const qreal rim = c.rimY();
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Palette::ink(), 1));
    for (int ml = kTickMl; numbers && ml <= DensityScenePainter::kScaleMl; ml += kTickMl) {
        const int y = qRound(c.levelY(ml));
        const int length = ml % kNumberMl == 0 ? 20 : 10;
        p.drawLine(QPointF(c.left, y), QPointF(c.left + length - 1, y));
    }
    p.restore();

    p.setFont(Typeface::font(Typeface::kMinTextPx, true));
    p.setPen(Palette::ink());
    const QRectF unit(c.left + 23, c.levelY(DensityScenePainter::kScaleMl) - 7, 24, 14);
    p.drawText(unit, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("ml"));
    if (numbers) {
        for (int ml = kNumberMl; ml <= DensityScenePainter::kScaleMl; ml += kNumberMl)
            p.drawText(QRectF(c.left - 40, c.levelY(ml) - 8, 34, 16), Qt::AlignRight | Qt::AlignVCenter,
                       QString::number(ml));
    } else {
        LabScene::drawQuestionTag(p, QRectF(c.left - 34, c.levelY(100) - 12, 28, 24));
    }

    // The glass: a lip at the rim, the walls and a gleam along the right side.
    p.setPen(QPen(LabScene::kGlassEdge, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath wall;
    wall.moveTo(c.left - 5, rim);
    wall.lineTo(c.left - 1.5, rim + 2);
    wall.lineTo(c.left - 1.5, c.bottom + 1);
    wall.lineTo(c.left + c.width + 1.5, c.bottom + 1);
    wall.lineTo(c.left + c.width + 1.5, rim + 2);
    wall.lineTo(c.left + c.width + 4, rim);
    p.drawPath(wall);
    p.fillRect(QRectF(c.left + c.width - 9, rim + 8, 3, c.bottom - rim - 16), QColor(255, 255, 255, 150));
}

void drawCylinder(QPainter& p, const Cylinder& c, int ml, bool numbers)
{
    drawCylinderBack(p, c);
    drawLiquid(p, c, ml);
    drawCylinderFront(p, c, numbers);
}

void drawBalance(QPainter& p, qreal panCentre)
{
    // The pan the cylinder stands on, on a short stem.
    p.setPen(QPen(LabScene::kMetalDark, 1));
    p.setBrush(LabScene::kMetal);
    p.drawRect(QRectF(panCentre - 8, 193, 16, kBalance.top() - 193));
    p.drawRoundedRect(QRectF(panCentre - 58, 190, 116, 5), 2, 2);
    LabScene::drawBalanceFace(p, kBalance, kFullMassBox);
}

void drawStand(QPainter& p, qreal armEnd)
{
    p.setPen(QPen(LabScene::kMetalDark, 1));
    p.setBrush(LabScene::kMetal);
    p.drawRoundedRect(QRectF(6, kBenchTop - 7, 54, 7), 2, 2);
    p.drawRect(QRectF(kStandRod, kArmY, 5, kBenchTop - 7 - kArmY));
    p.drawRect(QRectF(kStandRod, kArmY, armEnd - kStandRod, 5));
    p.setBrush(LabScene::kMetalDark);
    p.drawRect(QRectF(kStandRod - 2, kArmY - 1, 9, 7));
}

// The digital hanging scale; its display is the mass box, the unit stands on its face.
// It shows the mass weighed before the body went under, and says so.
void drawHangingScale(QPainter& p, qreal centre, int boxWidth)
{
    const QSize display(std::max(boxWidth, Layout::kAnswerBox.width()), Layout::kAnswerBox.height());
    // Wide enough for the legend left of the display and the unit right of it.
    const QRectF face(kBodyMassBox.x() - 44, 12, 44 + display.width() + 28, 36);
    p.setPen(QPen(LabScene::kMetalDark, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(centre - 4, kArmY + 3, 8, 8));
    QLinearGradient metal(face.topLeft(), face.bottomLeft());
    metal.setColorAt(0, QColor(236, 240, 246));
    metal.setColorAt(1, QColor(206, 214, 226));
    p.setPen(QPen(QColor(120, 136, 160), 1.5));
    p.setBrush(metal);
    p.drawRoundedRect(face, 7, 7);
    LabScene::drawDisplayFrame(p, kBodyMassBox, display);
    LabScene::drawCaption(p, QRectF(face.right() + 2, face.top(), LabScene::kSize.width() - face.right() - 4, 16),
                          QStringLiteral("pred ponorením"));
    QPainterPath hook;
    hook.moveTo(centre, face.bottom());
    hook.lineTo(centre, kHookBottom - 4);
    hook.arcTo(QRectF(centre - 4, kHookBottom - 8, 8, 8), 180, 180);
    p.setPen(QPen(LabScene::kMetalDark, 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hook);
}

} // namespace

QPoint DensityScenePainter::liquidBox(LiquidBox box)
{
    switch (box) {
    case LiquidBox::EmptyMass: return kEmptyMassBox;
    case LiquidBox::FullMass: return kFullMassBox;
    case LiquidBox::Volume: break;
    }
    return kVolumeBox;
}

QPoint DensityScenePainter::solidBox(SolidBox box)
{
    switch (box) {
    case SolidBox::BodyMass: return kBodyMassBox;
    case SolidBox::VolumeBefore: return kVolumeBeforeBox;
    case SolidBox::VolumeAfter: break;
    }
    return kVolumeAfterBox;
}

QRectF DensityScenePainter::liquidGlass()
{
    return kLiquidCylinder.inside();
}

QRectF DensityScenePainter::solidGlass()
{
    return kSolidCylinder.inside();
}

qreal DensityScenePainter::liquidLevelY(int ml)
{
    return kLiquidCylinder.levelY(ml);
}

qreal DensityScenePainter::solidLevelY(int ml)
{
    return kSolidCylinder.levelY(ml);
}

QRectF DensityScenePainter::solidBodyRect(double bodyDrop)
{
    const double drop = std::clamp(bodyDrop, 0.0, 1.0);
    const qreal bottom = kSolidCylinder.levelY(0) - (1 - drop) * kHangingMl * kSolidCylinder.pxPerMl;
    return QRectF(kSolidCylinder.centreX() - kBodySize.width() / 2.0, bottom - kBodySize.height(),
                  kBodySize.width(), kBodySize.height());
}

QRect DensityScenePainter::liquidApparatus()
{
    return QRect(QPoint(16, 4), QPoint(215, int(kBenchTop) - 1));
}

QRect DensityScenePainter::solidApparatus()
{
    return QRect(QPoint(4, 0), QPoint(kBodyMassBox.x() + Layout::kAnswerBox.width() + 30, int(kBenchTop) - 1));
}

void DensityScenePainter::drawLiquidApparatus(QPainter& p, const LiquidDensityScene& scene)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    drawBalance(p, kLiquidCylinder.centreX());
    drawCylinder(p, kLiquidCylinder, scene.liquidMl, !scene.volumeHidden);
    p.restore();
}

void DensityScenePainter::drawSolidApparatus(QPainter& p, const SolidDensityScene& scene)
{
    const Cylinder& c = kSolidCylinder;
    const qreal centre = c.centreX();
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    drawStand(p, centre + 8);
    drawCylinderBack(p, c);
    drawLiquid(p, c, scene.liquidMl);
    if (scene.body) {
        const QRectF body = solidBodyRect(scene.bodyDrop);
        p.setPen(QPen(Palette::ink(), 1));
        p.drawLine(QPointF(centre, kHookBottom - 2), QPointF(centre, body.top() + 3));
        p.save();
        p.translate(body.topLeft());
        drawBody(p, kBodySize, *scene.body);
        p.restore();
        // Under the surface the body is seen through the liquid.
        const qreal surface = scene.liquidMl > 0 ? c.levelY(scene.liquidMl) : c.bottom;
        const QRectF under = body.intersected(QRectF(c.left, surface, c.width, c.bottom - surface));
        QColor veil = Palette::liquid();
        veil.setAlpha(120);
        p.fillRect(under, veil);
    }
    drawCylinderFront(p, c, !scene.volumeHidden);
    drawHangingScale(p, centre, scene.massBoxWidth);
    p.restore();
}

void DensityScenePainter::drawBody(QPainter& p, QSize size, int body)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QColor fill = Palette::mark();
    const QColor edge = fill.darker(170);
    const qreal w = size.width();
    const qreal h = size.height();
    p.setPen(QPen(edge, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    switch (body) {
    case 2: {
        // A stone: a rounded lump, lit from the top left.
        QPainterPath stone;
        stone.moveTo(w * 0.45, 2);
        stone.cubicTo(w * 0.80, 0.5, w - 1, h * 0.25, w - 2, h * 0.55);
        stone.cubicTo(w - 3, h * 0.85, w * 0.70, h - 1.5, w * 0.42, h - 1.5);
        stone.cubicTo(w * 0.12, h - 2, 1.5, h * 0.75, 2, h * 0.48);
        stone.cubicTo(2.5, h * 0.20, w * 0.18, 3, w * 0.45, 2);
        QRadialGradient light(QPointF(w * 0.35, h * 0.30), w * 0.75);
        light.setColorAt(0, fill.lighter(135));
        light.setColorAt(1, fill.darker(120));
        p.setBrush(light);
        p.drawPath(stone);
        break;
    }
    case 1: {
        // A block: front, top and side faces.
        const qreal depth = 8;
        const QRectF front(1, depth + 1, w - depth - 2, h - depth - 2);
        p.setBrush(fill);
        p.drawRect(front);
        p.setBrush(fill.lighter(130));
        p.drawPolygon(QPolygonF({front.topLeft(), QPointF(front.left() + depth, 1), QPointF(w - 1, 1),
                                 front.topRight()}));
        p.setBrush(fill.darker(125));
        p.drawPolygon(QPolygonF({front.topRight(), QPointF(w - 1, 1), QPointF(w - 1, h - depth - 1),
                                 front.bottomRight()}));
        break;
    }
    default: {
        // A cylindrical weight standing upright.
        const qreal rim = 6;
        QLinearGradient side(0, 0, w, 0);
        side.setColorAt(0, fill.lighter(125));
        side.setColorAt(0.6, fill);
        side.setColorAt(1, fill.darker(130));
        QPainterPath shape;
        shape.moveTo(3, rim);
        shape.lineTo(3, h - rim - 1);
        shape.arcTo(QRectF(3, h - 2 * rim - 1, w - 6, 2 * rim), 180, 180);
        shape.lineTo(w - 3, rim);
        shape.closeSubpath();
        p.setBrush(side);
        p.drawPath(shape);
        p.setBrush(fill.lighter(140));
        p.drawEllipse(QRectF(3, 1, w - 6, 2 * rim));
        break;
    }
    }
    p.restore();
}

void DensityScenePainter::drawLiquidScene(QPainter& p, const LiquidDensityScene& scene)
{
    LabScene::drawRoom(p, kBenchTop);
    drawLiquidApparatus(p, scene);
    LabScene::drawLegend(p, kEmptyMassBox, QStringLiteral("m₁ ="));
    LabScene::drawLegend(p, kFullMassBox, QStringLiteral("m₂ ="));
    LabScene::drawLegend(p, kVolumeBox, QStringLiteral("V ="));
    LabScene::drawCaption(p, QRectF(kEmptyMassBox.x() - 60, kEmptyMassBox.y() - 18, 150, 16),
                          QStringLiteral("prázdny valec"));
    LabScene::drawCaption(p, QRectF(kVolumeBox.x() - 60, kVolumeBox.y() - 18, 150, 16),
                          QStringLiteral("objem kvapaliny"));
    LabScene::drawCaption(p, QRectF(150, kBalance.top() - 20, 150, 16),
                          QStringLiteral("valec s kvapalinou"));
}

void DensityScenePainter::drawSolidScene(QPainter& p, const SolidDensityScene& scene)
{
    LabScene::drawRoom(p, kBenchTop);
    drawSolidApparatus(p, scene);
    LabScene::drawLegend(p, kBodyMassBox, QStringLiteral("m ="));
    LabScene::drawLegend(p, kVolumeBeforeBox, QStringLiteral("V₁ ="));
    LabScene::drawLegend(p, kVolumeAfterBox, QStringLiteral("V₂ ="));
    LabScene::drawCaption(p, QRectF(kVolumeBeforeBox.x() - 50, kVolumeBeforeBox.y() - 18, 150, 16),
                          QStringLiteral("bez telesa"));
    LabScene::drawCaption(p, QRectF(kVolumeAfterBox.x() - 50, kVolumeAfterBox.y() - 18, 150, 16),
                          QStringLiteral("s telesom"));
}

} // namespace orbeta
