// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "look/basics/Shapes.h"

#include "look/basics/Palette.h"
#include "look/basics/Typeface.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace orbeta {
namespace {

struct ButtonFace {
    QColor top, bottom, edge;
    qreal edgeWidth;
};

ButtonFace faceOf(ButtonLook look)
{
    switch (look) {
    case ButtonLook::Highlighted:
        // A warm face with a thick dark outline: orange is the keyboard's focus
        // frame alone, so a chosen topic never looks like a second focus.
        return {{255, 255, 246}, {255, 226, 150}, Palette::stripDark(), 3.0};
    case ButtonLook::Chosen:
        return {{60, 110, 196}, {24, 58, 132}, {10, 30, 84}, Shapes::kOutline};
    case ButtonLook::Normal:
        break;
    }
    return {{255, 255, 255}, {208, 224, 244}, {40, 80, 150}, Shapes::kOutline};
}

QPainterPath rounded(const QRectF& r, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

} // namespace

QColor Shapes::buttonText(ButtonLook look)
{
    return look == ButtonLook::Chosen ? QColor(Qt::white) : Palette::ink();
}

void Shapes::drawButton(QPainter& painter, const QRectF& rect, ButtonLook look)
{
    const ButtonFace face = faceOf(look);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // Shade towards the bottom right; a pressed button sits lower and casts less.
    const qreal drop = look == ButtonLook::Chosen ? 1.0 : 2.5;
    const QRectF body = rect.adjusted(1, 1, -3, -3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Palette::shade());
    painter.drawPath(rounded(body.translated(drop, drop), kRadius));

    QLinearGradient g(body.topLeft(), body.bottomLeft());
    g.setColorAt(0, face.top);
    g.setColorAt(1, face.bottom);
    painter.setBrush(g);
    painter.setPen(QPen(face.edge, face.edgeWidth));
    const qreal inset = face.edgeWidth / 2;
    painter.drawPath(rounded(body.adjusted(inset, inset, -inset, -inset), kRadius));

    // A thin gleam inside the top edge where the light hits.
    if (look != ButtonLook::Chosen) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(255, 255, 255, 200), 1.5));
        const QRectF in = body.adjusted(face.edgeWidth + 1.5, face.edgeWidth + 1.5, -face.edgeWidth - 1.5,
                                        -body.height() / 2);
        QPainterPath gleam;
        gleam.moveTo(in.left(), in.bottom());
        gleam.lineTo(in.left(), in.top() + kRadius - 3);
        gleam.quadTo(in.left(), in.top(), in.left() + kRadius - 3, in.top());
        gleam.lineTo(in.right() - kRadius + 3, in.top());
        painter.drawPath(gleam);
    }
    painter.restore();
}

void Shapes::drawPanel(QPainter& painter, const QRectF& rect, const QColor& fill, const QColor& edge, qreal radius)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Palette::shade());
    painter.drawPath(rounded(rect.adjusted(1, 1, -1, -1).translated(2.5, 2.5), radius));
    painter.setBrush(fill);
    painter.setPen(QPen(edge, kOutline));
    painter.drawPath(rounded(rect.adjusted(1, 1, -2, -2), radius));
    painter.restore();
}

void Shapes::drawBackdrop(QPainter& painter, const QRectF& rect)
{
    painter.fillRect(rect, Palette::ground());
}

void Shapes::drawTitleBand(QPainter& painter, const QRectF& rect, const QString& caption)
{
    QLinearGradient g(rect.topLeft(), rect.bottomLeft());
    g.setColorAt(0, Palette::strip().lighter(112));
    g.setColorAt(1, Palette::stripDark());
    painter.fillRect(rect, g);
    painter.fillRect(QRectF(rect.left(), rect.bottom() - 3, rect.width(), 3), Palette::gold());
    if (!caption.isEmpty()) {
        painter.setPen(Qt::white);
        painter.setFont(Typeface::font(int(rect.height() * 0.42), true));
        painter.drawText(rect.adjusted(16, 0, -16, -3), Qt::AlignVCenter | Qt::AlignLeft, caption);
    }
}

void Shapes::drawNumberBadge(QPainter& painter, QPointF centre, int number)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 2));
    painter.setBrush(Palette::mark());
    painter.drawEllipse(centre, 13, 13);
    painter.setPen(Qt::white);
    painter.setFont(Typeface::font(16, true));
    painter.drawText(QRectF(centre.x() - 13, centre.y() - 13, 26, 26), Qt::AlignCenter, QString::number(number));
    painter.restore();
}

} // namespace orbeta
