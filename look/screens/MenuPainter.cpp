// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "look/screens/MenuPainter.h"

#include "look/controls/Icons.h"
#include "look/basics/Layout.h"
#include "look/basics/Palette.h"
#include "look/basics/Shapes.h"
#include "look/controls/TaskLabel.h"
#include "look/basics/TextFit.h"
#include "look/basics/Typeface.h"

#include <QPainter>
#include <QPainterPath>

namespace orbeta {

void MenuPainter::drawBackground(QPainter& p, QSize size)
{
    Shapes::drawBackdrop(p, QRectF(QPointF(0, 0), size));
    Shapes::drawTitleBand(p, QRectF(0, 0, size.width(), 56), QStringLiteral("Orbeta Tarovia"));
    p.setPen(QColor(226, 236, 255));
    p.setFont(Typeface::font(15));
    p.drawText(QRectF(300, 0, 324, 53), Qt::AlignVCenter | Qt::AlignRight, QStringLiteral("Precvičovanie fyziky"));

    p.setPen(Palette::ink());
    p.setFont(Typeface::font(16, true));
    const QRect topic = Layout::kTopicButton1;
    const QRect task = Layout::kTaskButton1;
    p.drawText(QRectF(topic.left() + 2, 62, topic.width(), 22), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("1. Vyber si tému:"));
    p.drawText(QRectF(task.left() + 2, 62, task.width(), 22), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("2. Vyber si úlohu:"));

    // Where the task buttons will stand: a faint frame, so that an empty
    // column reads as a place to look at.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Palette::panelEdge(), 1.5, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(task.left() - 6.5, task.top() - 6.5, task.width() + 13, 5 * task.height() + 13),
                      Shapes::kRadius + 4, Shapes::kRadius + 4);

    // The help (credits) button is part of the background.
    const QRectF help = Layout::kMenuHelp;
    const QRectF badge(help.left() + 4, help.center().y() - 15, 30, 30);
    p.setPen(QPen(Palette::stripDark(), 1.5));
    p.setBrush(Palette::strip());
    p.drawEllipse(badge);
    p.setPen(Qt::white);
    p.setFont(Typeface::font(20, true));
    p.drawText(badge, Qt::AlignCenter, QStringLiteral("i"));
    p.setPen(Palette::ink());
    p.setFont(Typeface::font(16, true));
    p.drawText(help.adjusted(42, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("O programe"));
}

void MenuPainter::drawTopicButton(QPainter& p, QSize size, int topic, ButtonLook look)
{
    p.fillRect(QRect(QPoint(0, 0), size), Palette::ground());
    Shapes::drawButton(p, QRectF(QPointF(0, 0), size), look);
    const QRectF disc(9, (size.height() - 38) / 2.0 - 1, 38, 38);
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::topic(topic));
    p.drawEllipse(disc);
    Icons::drawTopicIcon(p, disc.adjusted(7, 7, -7, -7), topic, Qt::white);
    TextFit::drawFittedText(p, QRectF(56, 0, size.width() - 64, size.height() - 3), TaskLabel::topicName(topic), 19,
                             true, Shapes::buttonText(look), Qt::AlignLeft | Qt::AlignVCenter, false);
}

void MenuPainter::drawTaskButton(QPainter& p, QSize size, const TaskLabel& task, ButtonLook look)
{
    p.fillRect(QRect(QPoint(0, 0), size), Palette::ground());
    Shapes::drawButton(p, QRectF(QPointF(0, 0), size), look);
    const QColor iconColour = look == ButtonLook::Chosen ? QColor(Qt::white) : Palette::topic(task.topic);
    Icons::drawTaskIcon(p, QRectF(12, (size.height() - 36) / 2.0 - 1, 36, 36), task.code, iconColour);
    // One line reads best in a column of buttons; long titles get a slightly
    // smaller size before they are wrapped.
    const QRectF text(60, 2, size.width() - 72, size.height() - 6);
    const int oneLine = TextFit::singleLineSize(task.title, text.width(), 18, 15, true);
    TextFit::drawFittedText(p, text, task.title, oneLine ? oneLine : 18, true, Shapes::buttonText(look),
                             Qt::AlignLeft | Qt::AlignVCenter, oneLine == 0);
}

void MenuPainter::drawEndButton(QPainter& p, QSize size, ButtonLook look)
{
    p.fillRect(QRect(QPoint(0, 0), size), Palette::ground());
    Shapes::drawButton(p, QRectF(QPointF(0, 0), size), look);
    // A power symbol in the marks' red.
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF ring(14, size.height() / 2.0 - 11, 20, 20);
    p.setPen(QPen(Palette::mark(), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(ring, 120 * 16, -300 * 16);
    p.drawLine(QPointF(ring.center().x(), ring.top() - 3), QPointF(ring.center().x(), ring.center().y()));
    TextFit::drawFittedText(p, QRectF(40, 0, size.width() - 46, size.height() - 3), QStringLiteral("Koniec"), 17,
                             true, Shapes::buttonText(look), Qt::AlignLeft | Qt::AlignVCenter, false);
}

} // namespace orbeta
