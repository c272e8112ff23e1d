// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "look/controls/ButtonPainter.h"

#include "look/basics/Palette.h"
#include "look/basics/Shapes.h"
#include "look/basics/TextFit.h"
#include "look/basics/Typeface.h"

#include <QPainter>

namespace orbeta {

void ButtonPainter::drawLabelButton(QPainter& p, QSize size, ButtonLook look, const QString& label,
                                    const Icons::Draw& icon, int textPx)
{
    p.fillRect(QRect(QPoint(0, 0), size), Palette::ground());
    Shapes::drawButton(p, QRectF(QPointF(0, 0), size), look);
    const QColor colour = Shapes::buttonText(look);
    qreal left = 12;
    if (icon) {
        const qreal side = qMin<qreal>(28, size.height() - 18);
        icon(p, QRectF(12, (size.height() - side) / 2.0 - 1, side, side), colour);
        left = 12 + side + 8;
    }
    const QRectF text(left, 0, size.width() - left - 10, size.height() - 3);
    TextFit::drawFittedText(p, text, label, textPx, true, colour,
                            (icon ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter, false);
}

void ButtonPainter::drawToolButton(QPainter& p, QSize size, ButtonLook look, const QString& label,
                                   const Icons::Draw& icon)
{
    p.fillRect(QRect(QPoint(0, 0), size), Palette::ground());
    Shapes::drawButton(p, QRectF(QPointF(0, 0), size), look);
    const QColor colour = Shapes::buttonText(look);
    icon(p, QRectF(size.width() / 2.0 - 12, 5, 24, 24), colour);
    const QRectF text(6, 29, size.width() - 14, size.height() - 33);
    if (TextFit::singleLineSize(label, text.width(), 13, Typeface::kMinTextPx, true)) {
        TextFit::drawFittedText(p, text, label, 13, true, colour, Qt::AlignHCenter | Qt::AlignVCenter, false);
        return;
    }
    // A label too long even at the smallest size ("Vyhodnoť") is set a little
    // tighter rather than cut at the outline.
    QFont tight = Typeface::font(Typeface::kMinTextPx, true);
    tight.setLetterSpacing(QFont::AbsoluteSpacing, -0.7);
    p.setFont(tight);
    p.setPen(colour);
    p.drawText(text, Qt::AlignCenter, label);
}

void ButtonPainter::drawBackButton(QPainter& p, QSize size, ButtonLook look)
{
    drawLabelButton(p, size, look, QStringLiteral("Späť"), Icons::drawBackArrow);
}

} // namespace orbeta
