// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "look/scenes/HeatScenePainter.h"

#include "look/scenes/LabScene.h"
#include "look/basics/Layout.h"
#include "look/basics/Palette.h"
#include "look/basics/Typeface.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace orbeta {
namespace {

constexpr qreal kBenchTop = 236;

// A glass thermometer: the tube at `x`, its scale from `lowest` (at `lowY`)
// to `highest` (at `highY`), ticks every `tick` degrees, numbers every
// `number`; the bulb at `bulbY` below the scale.
struct Thermometer {
    qreal x;
    qreal highY;
    qreal lowY;
    int lowest;
    int highest;
    int tick;
    int number;
    qreal bulbY;

    qreal y(double celsius) const
    {
        const double c = std::clamp(celsius, double(lowest) - 2, double(highest) + 2);
        return lowY - (c - lowest) * (lowY - highY) / (highest - lowest);
    }
};

constexpr Thermometer kHeatThermometer{118, 14, 100, 0, 200, 10, 50, 116};
constexpr Thermometer kMeltingThermometer{88, 12, 92, -20, 30, 5, 10, 156};

const QColor kColumn(206, 32, 40);

// "3a": the scale under the apparatus, its display the mass box.
constexpr QRectF kScale{8, 200, 176, 36};
constexpr QPoint kHeatMassBox{72, 206};
constexpr QPoint kHeatStartBox{226, 34};
constexpr QPoint kHeatEndBox{226, 92};
// The heat box is wider than the others: Q has up to four digits and three decimals.
constexpr QPoint kHeatBox{206, 170};
constexpr QPoint kHeatBurner{72, 136};
constexpr QRectF kBody{79, 94, 26, 26};
constexpr qreal kHeatRing = 132;

// "3b": the beaker, the ice and water inside it from (40, 98) to (96, 168).
constexpr QRectF kInside{40, 98, 56, 70};
constexpr QRectF kBeaker{38, 80, 60, 90};
constexpr QPoint kMeltingMassBox{226, 22};
constexpr QPoint kMeltingStartBox{226, 78};
constexpr QPoint kMeltingEndBox{226, 134};
constexpr QPoint kMeltingHeatBox{206, 200};
constexpr QPoint kMeltingBurner{48, 172};
constexpr qreal kMeltingRing = 172;

void drawThermometerGlass(QPainter& p, const Thermometer& t)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF tube(t.x - 3.5, t.highY - 8, 7, t.bulbY - t.highY + 6);
    p.setPen(QPen(LabScene::kGlassEdge, 1.5));
    p.setBrush(QColor(250, 252, 255));
    p.drawRoundedRect(tube, 3.5, 3.5);
    p.drawEllipse(QPointF(t.x, t.bulbY), 5.5, 5.5);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Palette::ink(), 1));
    for (int c = t.lowest; c <= t.highest; c += t.tick) {
        const int y = qRound(t.y(c));
        const int length = c % t.number == 0 ? 8 : 4;
        p.drawLine(QPointF(t.x + 5, y), QPointF(t.x + 5 + length, y));
    }
    p.setFont(Typeface::font(Typeface::kMinTextPx, true));
    for (int c = t.lowest; c <= t.highest; c += t.number)
        p.drawText(QRectF(t.x + 15, t.y(c) - 8, 30, 16), Qt::AlignLeft | Qt::AlignVCenter, QString::number(c));
    p.drawText(QRectF(t.x - 34, t.highY - 8, 28, 16), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("°C"));
    p.restore();
}

void drawThermometerColumn(QPainter& p, const Thermometer& t, double celsius)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kColumn);
    p.drawEllipse(QPointF(t.x, t.bulbY), 4, 4);
    const qreal top = t.y(celsius);
    p.drawRect(QRectF(t.x - 1.5, top, 3, t.bulbY - top));
    p.restore();
}

void drawTripod(QPainter& p, qreal ring, qreal left, qreal right, qreal foot)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(LabScene::kMetalDark, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(left + 6, ring), QPointF(left, foot));
    p.drawLine(QPointF(right - 6, ring), QPointF(right, foot));
    // The wire gauze on the ring.
    p.setPen(QPen(LabScene::kMetalDark, 1));
    p.setBrush(QColor(196, 200, 208));
    p.drawRect(QRectF(left, ring - 3, right - left, 4));
    p.restore();
}

// A stand holds the thermometer by its top.
void drawThermometerStand(QPainter& p, const Thermometer& t, qreal rod, qreal foot)
{
    p.setPen(QPen(LabScene::kMetalDark, 1));
    p.setBrush(LabScene::kMetal);
    p.drawRect(QRectF(rod, 2, 4, foot - 2));
    p.drawRect(QRectF(t.x - 4, 2, rod - t.x + 4, 4));
    p.setBrush(LabScene::kMetalDark);
    p.drawRect(QRectF(t.x - 5, 1, 10, 7));
    p.drawRoundedRect(QRectF(rod - 14, foot - 6, 32, 6), 2, 2);
}

void drawDish(QPainter& p)
{
    QPainterPath dish;
    dish.moveTo(60, kBody.bottom() - 2);
    dish.lineTo(124, kBody.bottom() - 2);
    dish.lineTo(118, kHeatRing - 3);
    dish.lineTo(66, kHeatRing - 3);
    dish.closeSubpath();
    QLinearGradient metal(60, 0, 124, 0);
    metal.setColorAt(0, QColor(196, 204, 216));
    metal.setColorAt(1, LabScene::kMetal);
    p.setPen(QPen(LabScene::kMetalDark, 1.5));
    p.setBrush(metal);
    p.drawPath(dish);
}

void drawBeaker(QPainter& p, bool back)
{
    if (back) {
        p.setPen(Qt::NoPen);
        p.setBrush(LabScene::kGlassInside);
        p.drawRect(kBeaker.adjusted(0, 4, 0, 0));
        return;
    }
    p.setPen(QPen(LabScene::kGlassEdge, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath wall;
    wall.moveTo(kBeaker.left() - 4, kBeaker.top());
    wall.lineTo(kBeaker.left(), kBeaker.top() + 3);
    wall.lineTo(kBeaker.left(), kBeaker.bottom());
    wall.lineTo(kBeaker.right(), kBeaker.bottom());
    wall.lineTo(kBeaker.right(), kBeaker.top() + 3);
    wall.lineTo(kBeaker.right() + 3, kBeaker.top());
    p.drawPath(wall);
    p.fillRect(QRectF(kBeaker.right() - 8, kBeaker.top() + 10, 3, kBeaker.height() - 20), QColor(255, 255, 255, 140));
}

// The ice floats on the water it melts into: the water rises from the
// bottom, the ice above it shrinks.
void drawIceAndWater(QPainter& p, double melted)
{
    const double m = std::clamp(melted, 0.0, 1.0);
    // Water takes about nine tenths of the room of its ice.
    const qreal water = kInside.height() * 0.9 * m;
    const qreal ice = kInside.height() * (1 - m);
    if (water > 0) {
        p.fillRect(QRectF(kInside.left(), kInside.bottom() - water, kInside.width(), water), Palette::iceBlue());
        p.fillRect(QRectF(kInside.left(), kInside.bottom() - water, kInside.width(), 1.5), Palette::iceBlue().darker(130));
    }
    if (ice <= 0.5)
        return;
    const QRectF block(kInside.left(), kInside.bottom() - water - ice, kInside.width(), ice);
    p.fillRect(block, Palette::iceWater());
    // The cubes of the ice.
    p.save();
    p.setClipRect(block);
    p.setPen(QPen(Palette::iceBlue(), 1));
    p.setBrush(Qt::NoBrush);
    for (qreal y = block.bottom() - 18; y > block.top() - 18; y -= 18)
        for (qreal x = block.left() + 1; x < block.right(); x += 18)
            p.drawRoundedRect(QRectF(x + (int(y) % 2) * 4, y + 1, 16, 16), 3, 3);
    p.restore();
}

void drawBoxCaptions(QPainter& p, QPoint box, const QString& legend, const QString& caption)
{
    LabScene::drawLegend(p, box, legend);
    LabScene::drawCaption(p, QRectF(box.x() - 40, box.y() - 18, 128, 16), caption);
}

} // namespace

QColor HeatScenePainter::glowColour(int glow)
{
    const int n = std::clamp(glow, 0, kGlowFrames);
    const QColor cold = Palette::mark();
    return QColor(std::min(255, cold.red() + 4 * n), cold.green() - n / 2, cold.blue() - n / 2);
}

QRectF HeatScenePainter::heatBody()
{
    return kBody;
}

QRectF HeatScenePainter::meltingInside()
{
    return kInside;
}

qreal HeatScenePainter::heatThermometerY(double celsius)
{
    return kHeatThermometer.y(celsius);
}

qreal HeatScenePainter::meltingThermometerY(double celsius)
{
    return kMeltingThermometer.y(celsius);
}

QPoint HeatScenePainter::heatBox(HeatBox box)
{
    switch (box) {
    case HeatBox::Mass: return kHeatMassBox;
    case HeatBox::Start: return kHeatStartBox;
    case HeatBox::End: return kHeatEndBox;
    case HeatBox::Heat: break;
    }
    return kHeatBox;
}

QPoint HeatScenePainter::meltingBox(HeatBox box)
{
    switch (box) {
    case HeatBox::Mass: return kMeltingMassBox;
    case HeatBox::Start: return kMeltingStartBox;
    case HeatBox::End: return kMeltingEndBox;
    case HeatBox::Heat: break;
    }
    return kMeltingHeatBox;
}

QRect HeatScenePainter::heatApparatus()
{
    return QRect(QPoint(8, 0), QPoint(int(kScale.right()), int(kBenchTop) - 1));
}

QRect HeatScenePainter::meltingApparatus()
{
    return QRect(QPoint(20, 0), QPoint(164, int(kBenchTop) - 1));
}

void HeatScenePainter::drawHeatApparatus(QPainter& p)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    LabScene::drawBalanceFace(p, kScale, kHeatMassBox);
    drawThermometerStand(p, kHeatThermometer, 172, kScale.top());
    drawTripod(p, kHeatRing, 48, 136, kScale.top());
    drawDish(p);
    drawThermometerGlass(p, kHeatThermometer);
    p.restore();
}

void HeatScenePainter::drawMeltingApparatus(QPainter& p)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    drawThermometerStand(p, kMeltingThermometer, 146, kBenchTop);
    drawTripod(p, kMeltingRing, 26, 110, kBenchTop);
    drawBeaker(p, true);
    drawBeaker(p, false);
    drawThermometerGlass(p, kMeltingThermometer);
    p.restore();
}

void HeatScenePainter::drawBurner(QPainter& p, QSize size, bool burning)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();
    const qreal flameHeight = h * 0.4;
    // The foot, the tube and its air ring.
    p.setPen(QPen(LabScene::kMetalDark, 1.5));
    p.setBrush(LabScene::kMetal);
    p.drawRoundedRect(QRectF(2, h - 8, w - 4, 7), 3, 3);
    QLinearGradient tube(w / 2 - 7, 0, w / 2 + 7, 0);
    tube.setColorAt(0, QColor(206, 212, 222));
    tube.setColorAt(1, LabScene::kMetalDark);
    p.setBrush(tube);
    p.drawRect(QRectF(w / 2 - 6, flameHeight, 12, h - 8 - flameHeight));
    p.setBrush(LabScene::kMetalDark);
    p.drawRect(QRectF(w / 2 - 8, h - 22, 16, 6));
    if (burning) {
        QPainterPath flame;
        flame.moveTo(w / 2 - 7, flameHeight);
        flame.cubicTo(w / 2 - 9, flameHeight * 0.5, w / 2 - 2, flameHeight * 0.3, w / 2, 1);
        flame.cubicTo(w / 2 + 2, flameHeight * 0.3, w / 2 + 9, flameHeight * 0.5, w / 2 + 7, flameHeight);
        flame.closeSubpath();
        QRadialGradient heat(QPointF(w / 2, flameHeight * 0.8), flameHeight);
        heat.setColorAt(0, QColor(120, 170, 255));
        heat.setColorAt(0.45, QColor(255, 196, 60));
        heat.setColorAt(1, QColor(240, 110, 20));
        p.setPen(Qt::NoPen);
        p.setBrush(heat);
        p.drawPath(flame);
    }
    p.restore();
}

void HeatScenePainter::drawHeatScene(QPainter& p, const HeatScene& scene)
{
    LabScene::drawRoom(p, kBenchTop);
    drawHeatApparatus(p);
    p.save();
    p.translate(kHeatBurner);
    drawBurner(p, kBurnerSize, scene.burning);
    p.restore();
    p.fillRect(kBody, glowColour(scene.glow));
    drawThermometerColumn(p, kHeatThermometer, scene.temperature);
    LabScene::drawLegend(p, kHeatMassBox, QStringLiteral("m ="));
    // The scale is tared with the tripod: it weighs the body alone. Said on
    // the bench below it, clear of the tripod's legs.
    LabScene::drawCaption(p, QRectF(kScale.left(), kBenchTop + 1, kScale.width(), 14),
                          QStringLiteral("váha: hmotnosť telesa"));
    drawBoxCaptions(p, kHeatStartBox, QStringLiteral("t₁ ="), QStringLiteral("na začiatku"));
    LabScene::drawDisplayFrame(p, kHeatEndBox, Layout::kAnswerBox);
    drawBoxCaptions(p, kHeatEndBox, QStringLiteral("t₂ ="), QStringLiteral("teplomer"));
    drawBoxCaptions(p, kHeatBox, QStringLiteral("Q ="), QStringLiteral("prijaté teplo"));
}

void HeatScenePainter::drawMeltingScene(QPainter& p, const MeltingScene& scene)
{
    LabScene::drawRoom(p, kBenchTop);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    drawThermometerStand(p, kMeltingThermometer, 146, kBenchTop);
    drawTripod(p, kMeltingRing, 26, 110, kBenchTop);
    p.translate(kMeltingBurner);
    drawBurner(p, kBurnerSize, scene.burning);
    p.restore();
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    drawBeaker(p, true);
    drawIceAndWater(p, scene.melted);
    drawThermometerGlass(p, kMeltingThermometer);
    drawThermometerColumn(p, kMeltingThermometer, scene.temperature);
    drawBeaker(p, false);
    p.restore();
    drawBoxCaptions(p, kMeltingMassBox, QStringLiteral("m ="), QStringLiteral("ľad"));
    drawBoxCaptions(p, kMeltingStartBox, QStringLiteral("t₁ ="), QStringLiteral("na začiatku"));
    LabScene::drawDisplayFrame(p, kMeltingEndBox, Layout::kAnswerBox);
    drawBoxCaptions(p, kMeltingEndBox, QStringLiteral("t₂ ="), QStringLiteral("teplomer"));
    drawBoxCaptions(p, kMeltingHeatBox, QStringLiteral("Q ="), QStringLiteral("prijaté teplo"));
}

} // namespace orbeta
