// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "look/controls/CursorPainter.h"

#include "look/basics/Palette.h"
#include "look/basics/Typeface.h"

#include <QPainter>
#include <QPainterPath>

namespace orbeta {
namespace {

QPainterPath arrowPath()
{
    QPainterPath p;
    p.moveTo(1.5, 1.5);
    p.lineTo(1.5, 22.5);
    p.lineTo(6.5, 17.5);
    p.lineTo(10.5, 26.5);
    p.lineTo(14, 25);
    p.lineTo(10.2, 16.3);
    p.lineTo(17, 16.3);
    p.closeSubpath();
    return p;
}

} // namespace

void CursorPainter::drawArrow(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::white);
    p.drawPath(arrowPath());
}

void CursorPainter::drawHand(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    // A hand pointing up with the index finger; the fingertip is the hot spot.
    QPainterPath hand;
    hand.moveTo(10, 15);
    hand.lineTo(10, 4);
    hand.cubicTo(10, 1.2, 14, 1.2, 14, 4);
    hand.lineTo(14, 12.5);
    hand.cubicTo(14, 10.6, 17.6, 10.6, 17.6, 12.5);
    hand.lineTo(17.6, 13.4);
    hand.cubicTo(17.6, 11.5, 21.2, 11.5, 21.2, 13.4);
    hand.lineTo(21.2, 14.4);
    hand.cubicTo(21.2, 12.5, 24.8, 12.5, 24.8, 14.4);
    hand.lineTo(24.8, 22);
    hand.cubicTo(24.8, 26, 22.5, 29.5, 19, 29.5);
    hand.lineTo(14, 29.5);
    hand.cubicTo(11.5, 29.5, 10.5, 28, 9, 26);
    hand.lineTo(4.2, 19.5);
    hand.cubicTo(3, 17.8, 5.5, 15.6, 7.2, 17.2);
    hand.closeSubpath();
    p.setPen(QPen(Qt::black, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(hand);
    p.setPen(QPen(Qt::black, 1.0));
    p.drawLine(QPointF(14, 13), QPointF(14, 18));
    p.drawLine(QPointF(17.6, 13.6), QPointF(17.6, 18));
    p.drawLine(QPointF(21.2, 14.6), QPointF(21.2, 18));
}

void CursorPainter::drawHelp(QPainter& p)
{
    drawArrow(p);
    // A small round badge with a question mark beside the arrow.
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Palette::strip());
    p.drawEllipse(QRectF(17.5, 15.5, 13, 13));
    p.setPen(Qt::white);
    QFont f = Typeface::font(11, true);
    p.setFont(f);
    p.drawText(QRectF(17.5, 15.5, 13, 13.5), Qt::AlignCenter, QStringLiteral("?"));
}

} // namespace orbeta
