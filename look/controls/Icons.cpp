// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "look/controls/Icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace orbeta {
namespace {

// Icons are drawn in a 100 × 100 box.
class IconPen {
public:
    IconPen(QPainter& painter, const QRectF& rect, const QColor& colour)
        : m_p(painter)
    {
        m_p.save();
        m_p.setRenderHint(QPainter::Antialiasing);
        const qreal s = qMin(rect.width(), rect.height()) / 100.0;
        m_p.translate(rect.center().x() - 50 * s, rect.center().y() - 50 * s);
        m_p.scale(s, s);
        m_line = QPen(colour, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        m_colour = colour;
        m_p.setPen(m_line);
        m_p.setBrush(Qt::NoBrush);
    }
    ~IconPen() { m_p.restore(); }
    QPainter& p() { return m_p; }
    void fill(bool on)
    {
        m_p.setBrush(on ? QBrush(m_colour) : QBrush(Qt::NoBrush));
    }
    void width(qreal w)
    {
        m_line.setWidthF(w);
        m_p.setPen(m_line);
    }

private:
    QPainter& m_p;
    QPen m_line;
    QColor m_colour;
};

void cylinder(IconPen& i, bool liquid)
{
    QPainter& p = i.p();
    p.drawLine(QPointF(32, 12), QPointF(32, 84));
    p.drawLine(QPointF(68, 12), QPointF(68, 84));
    p.drawLine(QPointF(24, 88), QPointF(76, 88));
    i.width(4);
    for (int k = 0; k < 5; ++k)
        p.drawLine(QPointF(32, 24 + 12 * k), QPointF(k % 2 ? 42 : 48, 24 + 12 * k));
    if (liquid) {
        i.fill(true);
        p.setPen(Qt::NoPen);
        p.setOpacity(0.55);
        p.drawRect(QRectF(35, 50, 30, 34));
        p.setOpacity(1);
    }
}

void stone(IconPen& i)
{
    cylinder(i, true);
    i.fill(true);
    QPolygonF rock({{42, 64}, {52, 58}, {60, 63}, {58, 76}, {46, 78}});
    i.p().setPen(Qt::NoPen);
    i.p().drawPolygon(rock);
}

void car(IconPen& i, bool curve)
{
    QPainter& p = i.p();
    i.fill(false);
    if (curve) {
        QPainterPath road;
        road.moveTo(6, 92);
        road.cubicTo(30, 70, 60, 96, 94, 72);
        i.width(4);
        p.setPen(QPen(p.pen().color(), 4, Qt::DashLine, Qt::RoundCap));
        p.drawPath(road);
        i.width(6);
    } else {
        i.width(4);
        p.drawLine(QPointF(4, 40), QPointF(20, 40));
        p.drawLine(QPointF(0, 52), QPointF(16, 52));
        i.width(6);
    }
    QPainterPath body;
    body.moveTo(22, 66);
    body.lineTo(22, 50);
    body.lineTo(38, 48);
    body.lineTo(48, 34);
    body.lineTo(74, 34);
    body.lineTo(86, 48);
    body.lineTo(94, 52);
    body.lineTo(94, 66);
    body.closeSubpath();
    p.drawPath(body);
    i.fill(true);
    p.drawEllipse(QPointF(38, 68), 8, 8);
    p.drawEllipse(QPointF(80, 68), 8, 8);
}

void piston(IconPen& i)
{
    QPainter& p = i.p();
    p.drawLine(QPointF(24, 30), QPointF(24, 88));
    p.drawLine(QPointF(76, 30), QPointF(76, 88));
    p.drawLine(QPointF(24, 88), QPointF(76, 88));
    i.fill(true);
    p.drawRect(QRectF(28, 40, 44, 8));
    p.drawRect(QRectF(38, 14, 24, 22));
    p.setOpacity(0.5);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(28, 50, 44, 36));
    p.setOpacity(1);
}

void arrowHead(QPainter& p, QPointF tip, qreal angleDeg, qreal size)
{
    const qreal a = qDegreesToRadians(angleDeg);
    const QPointF back(tip.x() - size * qCos(a), tip.y() - size * qSin(a));
    const QPointF side(-size * 0.55 * qSin(a), size * 0.55 * qCos(a));
    p.save();
    p.setBrush(p.pen().color());
    p.drawPolygon(QPolygonF({tip, back + side, back - side}));
    p.restore();
}

void pulledBox(IconPen& i)
{
    QPainter& p = i.p();
    p.drawLine(QPointF(6, 80), QPointF(94, 80));
    i.fill(true);
    p.drawRect(QRectF(12, 50, 30, 28));
    p.drawLine(QPointF(42, 64), QPointF(84, 64));
    arrowHead(p, {94, 64}, 0, 16);
}

void winch(IconPen& i, bool height)
{
    QPainter& p = i.p();
    p.drawLine(QPointF(10, 92), QPointF(60, 92));
    p.drawLine(QPointF(20, 92), QPointF(30, 22));
    p.drawEllipse(QPointF(30, 22), 12, 12);
    p.drawLine(QPointF(42, 22), QPointF(42, 58));
    i.fill(true);
    p.drawRect(QRectF(30, 58, 24, 20));
    if (height) {
        i.width(4);
        p.drawLine(QPointF(80, 90), QPointF(80, 30));
        arrowHead(p, {80, 22}, -90, 14);
    } else {
        p.drawEllipse(QPointF(30, 22), 4, 4);
        i.fill(false);
        QPainterPath turn;
        turn.arcMoveTo(QRectF(8, 0, 44, 44), 100);
        turn.arcTo(QRectF(8, 0, 44, 44), 100, 120);
        i.width(4);
        p.drawPath(turn);
    }
}

void lever(IconPen& i)
{
    QPainter& p = i.p();
    p.drawLine(QPointF(6, 56), QPointF(94, 56));
    i.fill(true);
    p.drawPolygon(QPolygonF({{50, 58}, {38, 84}, {62, 84}}));
    p.drawRect(QRectF(10, 36, 18, 18));
    p.drawRect(QRectF(70, 40, 14, 14));
}

void flame(IconPen& i)
{
    QPainter& p = i.p();
    QPainterPath f;
    f.moveTo(50, 92);
    f.cubicTo(20, 92, 18, 60, 36, 44);
    f.cubicTo(40, 58, 46, 60, 48, 52);
    f.cubicTo(46, 34, 56, 18, 62, 8);
    f.cubicTo(64, 30, 84, 48, 80, 70);
    f.cubicTo(78, 86, 66, 92, 50, 92);
    i.fill(true);
    p.drawPath(f);
}

void iceCube(IconPen& i)
{
    QPainter& p = i.p();
    p.drawPolygon(QPolygonF({{20, 40}, {50, 26}, {80, 40}, {80, 74}, {50, 88}, {20, 74}}));
    p.drawLine(QPointF(20, 40), QPointF(50, 54));
    p.drawLine(QPointF(80, 40), QPointF(50, 54));
    p.drawLine(QPointF(50, 54), QPointF(50, 88));
    i.fill(true);
    p.drawEllipse(QPointF(88, 92), 5, 5);
    p.drawEllipse(QPointF(12, 90), 4, 4);
}

void mirror(IconPen& i)
{
    QPainter& p = i.p();
    QPainterPath m;
    m.moveTo(80, 8);
    m.quadTo(62, 50, 80, 92);
    i.width(8);
    p.drawPath(m);
    i.width(4);
    p.drawLine(QPointF(6, 30), QPointF(70, 30));
    p.drawLine(QPointF(70, 30), QPointF(10, 74));
    arrowHead(p, {10, 74}, 144, 12);
    p.drawLine(QPointF(6, 50), QPointF(64, 50));
}

void lens(IconPen& i)
{
    QPainter& p = i.p();
    QPainterPath l;
    l.moveTo(50, 8);
    l.quadTo(66, 50, 50, 92);
    l.quadTo(34, 50, 50, 8);
    i.width(5);
    p.drawPath(l);
    i.width(4);
    p.drawLine(QPointF(4, 32), QPointF(50, 32));
    p.drawLine(QPointF(50, 32), QPointF(92, 72));
    arrowHead(p, {94, 74}, 44, 12);
    p.drawLine(QPointF(4, 50), QPointF(96, 50));
}

void resistor(QPainter& p, QPointF c, bool vertical)
{
    const QRectF r = vertical ? QRectF(c.x() - 7, c.y() - 14, 14, 28) : QRectF(c.x() - 14, c.y() - 7, 28, 14);
    p.save();
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.restore();
}

void circuit(IconPen& i, int kind)
{
    QPainter& p = i.p();
    i.width(5);
    if (kind == 2) { // two resistors in series
        p.drawRect(QRectF(10, 22, 80, 60));
        resistor(p, {34, 22}, false);
        resistor(p, {66, 22}, false);
    } else if (kind == 3) { // in parallel
        p.drawLine(QPointF(10, 50), QPointF(26, 50));
        p.drawLine(QPointF(74, 50), QPointF(90, 50));
        p.drawRect(QRectF(26, 26, 48, 48));
        resistor(p, {50, 26}, false);
        resistor(p, {50, 74}, false);
    } else { // a loop with a battery and a resistor
        p.drawRect(QRectF(10, 22, 80, 60));
        resistor(p, {50, 22}, false);
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(40, 74, 20, 16));
        p.restore();
        p.drawLine(QPointF(44, 70), QPointF(44, 94));
        i.width(8);
        p.drawLine(QPointF(56, 76), QPointF(56, 88));
    }
}

void bulb(IconPen& i, bool bolt)
{
    QPainter& p = i.p();
    QPainterPath b;
    b.moveTo(38, 70);
    b.cubicTo(38, 58, 22, 50, 22, 34);
    b.cubicTo(22, 16, 36, 6, 50, 6);
    b.cubicTo(64, 6, 78, 16, 78, 34);
    b.cubicTo(78, 50, 62, 58, 62, 70);
    b.closeSubpath();
    p.drawPath(b);
    p.drawLine(QPointF(40, 80), QPointF(60, 80));
    p.drawLine(QPointF(43, 90), QPointF(57, 90));
    if (bolt) {
        i.fill(true);
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygonF({{54, 14}, {38, 40}, {50, 40}, {44, 62}, {62, 32}, {50, 32}}));
    } else {
        i.width(4);
        p.drawLine(QPointF(42, 60), QPointF(46, 36));
        p.drawLine(QPointF(46, 36), QPointF(54, 36));
        p.drawLine(QPointF(54, 36), QPointF(58, 60));
    }
}

void pairs(IconPen& i)
{
    QPainter& p = i.p();
    p.drawRoundedRect(QRectF(6, 14, 34, 26), 5, 5);
    p.drawRoundedRect(QRectF(6, 60, 34, 26), 5, 5);
    p.drawRoundedRect(QRectF(60, 14, 34, 26), 5, 5);
    p.drawRoundedRect(QRectF(60, 60, 34, 26), 5, 5);
    i.width(4);
    p.drawLine(QPointF(40, 27), QPointF(60, 73));
    p.drawLine(QPointF(40, 73), QPointF(60, 27));
}

void timeline(IconPen& i, bool person)
{
    QPainter& p = i.p();
    p.drawLine(QPointF(4, 78), QPointF(92, 78));
    arrowHead(p, {98, 78}, 0, 12);
    i.width(4);
    for (int k = 0; k < 4; ++k)
        p.drawLine(QPointF(14 + 24 * k, 70), QPointF(14 + 24 * k, 86));
    i.width(6);
    if (person) {
        p.drawEllipse(QPointF(50, 24), 12, 12);
        QPainterPath body;
        body.moveTo(28, 62);
        body.cubicTo(28, 42, 72, 42, 72, 62);
        p.drawPath(body);
    } else {
        p.drawEllipse(QPointF(50, 32), 22, 22);
        i.fill(true);
        p.drawEllipse(QPointF(50, 32), 8, 8);
        i.width(5);
        for (int k = 0; k < 8; ++k) {
            const qreal a = k * M_PI / 4;
            p.drawLine(QPointF(50 + 22 * qCos(a), 32 + 22 * qSin(a)), QPointF(50 + 30 * qCos(a), 32 + 30 * qSin(a)));
        }
    }
}

void hourglass(IconPen& i)
{
    QPainter& p = i.p();
    p.drawLine(QPointF(22, 8), QPointF(78, 8));
    p.drawLine(QPointF(22, 92), QPointF(78, 92));
    p.drawPolygon(QPolygonF({{28, 8}, {72, 8}, {54, 50}, {72, 92}, {28, 92}, {46, 50}}));
    i.fill(true);
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF({{36, 90}, {64, 90}, {50, 70}}));
    p.drawPolygon(QPolygonF({{38, 24}, {62, 24}, {50, 46}}));
}

} // namespace

void Icons::drawTopicIcon(QPainter& painter, const QRectF& rect, int topic, const QColor& colour)
{
    IconPen i(painter, rect, colour);
    switch (topic) {
    case 1: cylinder(i, true); break;
    case 2: lever(i); break;
    case 3: flame(i); break;
    case 4: lens(i); break;
    case 5: bulb(i, true); break;
    default: hourglass(i); break;
    }
}

void Icons::drawTaskIcon(QPainter& painter, const QRectF& rect, const QString& code, const QColor& colour)
{
    IconPen i(painter, rect, colour);
    if (code == "1a") cylinder(i, true);
    else if (code == "1b") stone(i);
    else if (code == "1c") car(i, false);
    else if (code == "1d") car(i, true);
    else if (code == "2a") piston(i);
    else if (code == "2b") pulledBox(i);
    else if (code == "2c") winch(i, false);
    else if (code == "2d") winch(i, true);
    else if (code == "2e") lever(i);
    else if (code == "3a") flame(i);
    else if (code == "3b") iceCube(i);
    else if (code == "4a") mirror(i);
    else if (code == "4b") lens(i);
    else if (code == "5a") circuit(i, 1);
    else if (code == "5b") bulb(i, true);
    else if (code == "5c") bulb(i, false);
    else if (code == "5d") circuit(i, 2);
    else if (code == "5e") circuit(i, 3);
    else if (code == "6a") pairs(i);
    else if (code == "6b") timeline(i, true);
    else timeline(i, false);
}

void Icons::drawBackArrow(QPainter& painter, const QRectF& rect, const QColor& colour)
{
    IconPen i(painter, rect, colour);
    i.width(12);
    i.p().drawLine(QPointF(30, 50), QPointF(90, 50));
    i.width(8);
    arrowHead(i.p(), {6, 50}, 180, 40);
}

void Icons::drawForwardArrow(QPainter& painter, const QRectF& rect, const QColor& colour)
{
    IconPen i(painter, rect, colour);
    i.width(12);
    i.p().drawLine(QPointF(10, 50), QPointF(70, 50));
    i.width(8);
    arrowHead(i.p(), {94, 50}, 0, 40);
}

void Icons::drawPrinter(QPainter& painter, const QRectF& rect, const QColor& colour)
{
    IconPen i(painter, rect, colour);
    QPainter& p = i.p();
    i.width(7);
    p.drawRect(QRectF(28, 8, 44, 26));
    p.drawRoundedRect(QRectF(8, 34, 84, 40), 8, 8);
    p.save();
    p.setBrush(Qt::white);
    p.drawRect(QRectF(28, 58, 44, 34));
    p.restore();
    i.width(5);
    p.drawLine(QPointF(36, 70), QPointF(64, 70));
    p.drawLine(QPointF(36, 81), QPointF(58, 81));
}

void Icons::drawTick(QPainter& painter, const QRectF& rect, const QColor& colour)
{
    IconPen i(painter, rect, colour);
    i.width(14);
    i.p().drawPolyline(QPolygonF({{10, 52}, {38, 80}, {90, 20}}));
}

void Icons::drawTable(QPainter& painter, const QRectF& rect, const QColor& colour)
{
    IconPen i(painter, rect, colour);
    QPainter& p = i.p();
    i.width(7);
    p.drawRect(QRectF(8, 12, 84, 76));
    i.fill(true);
    p.drawRect(QRectF(8, 12, 84, 20));
    i.width(5);
    p.drawLine(QPointF(8, 52), QPointF(92, 52));
    p.drawLine(QPointF(8, 70), QPointF(92, 70));
    p.drawLine(QPointF(36, 32), QPointF(36, 88));
}

void Icons::drawRenew(QPainter& painter, const QRectF& rect, const QColor& colour)
{
    IconPen i(painter, rect, colour);
    QPainter& p = i.p();
    i.width(10);
    QPainterPath arc;
    arc.arcMoveTo(QRectF(14, 14, 72, 72), 60);
    arc.arcTo(QRectF(14, 14, 72, 72), 60, 270);
    p.drawPath(arc);
    i.width(6);
    arrowHead(p, {78, 14}, -30, 32);
}

} // namespace orbeta
