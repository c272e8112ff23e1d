// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "look/screens/GamesPainter.h"

#include "look/controls/ButtonPainter.h"
#include "look/controls/Icons.h"
#include "look/basics/Palette.h"
#include "look/controls/TaskLabel.h"
#include "look/basics/TextFit.h"
#include "look/basics/Typeface.h"

#include <QPainter>
#include <QPainterPath>

namespace orbeta {

void GamesPainter::drawTaskPicture(QPainter& p, QSize size, const TaskLabel& task)
{
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath banner;
    const QRectF r(0, 0, size.width() - 2, size.height() - 4);
    // Square at the screen's corner, rounded where it meets the screen.
    banner.moveTo(r.topLeft());
    banner.lineTo(r.right(), r.top());
    banner.lineTo(r.right(), r.bottom() - 18);
    banner.quadTo(r.right(), r.bottom(), r.right() - 18, r.bottom());
    banner.lineTo(r.left(), r.bottom());
    banner.closeSubpath();
    const QColor c = Palette::topic(task.topic);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, c.lighter(112));
    g.setColorAt(1, c.darker(125));
    p.setPen(QPen(c.darker(170), 2));
    p.setBrush(g);
    p.drawPath(banner);
    p.fillRect(QRectF(0, r.bottom() - 6, r.width() - 12, 3), Palette::gold());

    const QRectF disc(8, 10, 52, 52);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawEllipse(disc);
    Icons::drawTaskIcon(p, disc.adjusted(9, 9, -9, -9), task.code, c.darker(130));

    p.setPen(QColor(255, 255, 255, 230));
    p.setFont(Typeface::font(13, true));
    p.drawText(QRectF(70, 6, r.width() - 76, 18), Qt::AlignLeft | Qt::AlignVCenter, TaskLabel::topicName(task.topic));
    TextFit::drawFittedText(p, QRectF(70, 24, r.width() - 80, r.height() - 32), task.title, 19, true, Qt::white,
                             Qt::AlignLeft | Qt::AlignVCenter);
}

void GamesPainter::drawTopButton(QPainter& p, QSize size, PictureNames::TopButton button, ButtonLook look)
{
    using TopButton = PictureNames::TopButton;
    switch (button) {
    case TopButton::Check:
        ButtonPainter::drawToolButton(p, size, look, QStringLiteral("Vyhodnoť"), Icons::drawTick);
        break;
    case TopButton::New:
        ButtonPainter::drawToolButton(p, size, look, QStringLiteral("Nový"), Icons::drawRenew);
        break;
    case TopButton::Table:
        ButtonPainter::drawToolButton(p, size, look, QStringLiteral("Tabuľka"), Icons::drawTable);
        break;
    case TopButton::Back:
        ButtonPainter::drawToolButton(p, size, look, QStringLiteral("Späť"), Icons::drawBackArrow);
        break;
    }
}

} // namespace orbeta
