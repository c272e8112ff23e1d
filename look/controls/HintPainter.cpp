// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "look/controls/HintPainter.h"

#include "look/basics/Palette.h"

#include <QPainter>
#include <QPainterPath>

namespace orbeta {
namespace {

enum class Pointer { Left, Right, None };

void drawBubble(QPainter& p, QSize size, Pointer pointer)
{
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();
    constexpr qreal tip = 9;
    QRectF body(0.75, 0.75, w - 1.5, h - 1.5);
    switch (pointer) {
    case Pointer::Left: body.setLeft(tip); break;
    case Pointer::Right: body.setRight(w - tip); break;
    case Pointer::None: break;
    }
    const qreal radius = qMin<qreal>(9, body.height() / 2 - 1);
    QPainterPath shape;
    shape.addRoundedRect(body, radius, radius);
    QPainterPath spike;
    const qreal mid = body.center().y();
    switch (pointer) {
    case Pointer::Left: spike.addPolygon(QPolygonF({{0.5, mid}, {tip + 3, mid - 6}, {tip + 3, mid + 6}})); break;
    case Pointer::Right: spike.addPolygon(QPolygonF({{w - 0.5, mid}, {w - tip - 3, mid - 6}, {w - tip - 3, mid + 6}})); break;
    case Pointer::None: break;
    }
    shape = shape.united(spike);
    p.setPen(QPen(Palette::hintEdge(), 1.5));
    p.setBrush(Palette::hintFill());
    p.drawPath(shape.simplified());
}

void drawBigHint(QPainter& p, QSize size)
{
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body(1, 1, size.width() - 2, size.height() - 2);
    p.setPen(QPen(Palette::hintEdge(), 2));
    p.setBrush(Palette::hintFill());
    p.drawRoundedRect(body.adjusted(0.5, 0.5, -0.5, -0.5), 14, 14);
    p.setPen(QPen(Palette::hintEdge().lighter(150), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(body.adjusted(5, 5, -5, -5), 10, 10);
}

} // namespace

void HintPainter::drawHint(QPainter& p, QSize size, int number)
{
    switch (number) {
    case 1:
    case 2: drawBubble(p, size, Pointer::Left); break;
    case 3: drawBigHint(p, size); break;
    default: drawBubble(p, size, Pointer::Right); break;
    }
}

} // namespace orbeta
