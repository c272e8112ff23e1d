// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "look/screens/SetupPainter.h"

#include "look/controls/ButtonPainter.h"
#include "look/controls/Icons.h"
#include "look/basics/Layout.h"
#include "look/basics/Palette.h"
#include "look/basics/Shapes.h"
#include "look/controls/TaskLabel.h"
#include "look/basics/TextFit.h"
#include "look/basics/Typeface.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace orbeta {
namespace {

const QRectF kPhysicsTip(16, 184, 296, 92);
const QRectF kHistoryTip(16, 176, 296, 56);

void drawTip(QPainter& p, const QRectF& tip, const QString& text)
{
    Shapes::drawPanel(p, tip, Palette::hintFill(), Palette::hintEdge());
    TextFit::drawFittedText(p, tip.adjusted(12, 4, -10, -6), text, 15, false, Palette::ink(),
                            Qt::AlignLeft | Qt::AlignVCenter);
}

void drawBigButton(QPainter& p, QSize size, const QString& label, const Icons::Draw& icon)
{
    ButtonPainter::drawLabelButton(p, size, ButtonLook::Normal, label, icon, 19);
}

// 23 frames: the button grows out of its place and settles at full size.
void drawStrip(QPainter& p, QSize size, const QString& label, const Icons::Draw& icon)
{
    const int frames = Layout::kStripFrames;
    const QSize frame(size.width() / frames, size.height());
    QImage full(frame, QImage::Format_RGB32);
    {
        QPainter fp(&full);
        fp.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        drawBigButton(fp, frame, label, icon);
    }
    QImage place(frame, QImage::Format_RGB32);
    {
        QPainter pp(&place);
        SetupPainter::drawButtonPlace(pp, frame);
    }
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int k = 0; k < frames; ++k) {
        const QRectF cell(k * frame.width(), 0, frame.width(), frame.height());
        p.drawImage(cell.topLeft(), place);
        const qreal t = qreal(k + 1) / frames;
        // Ease out: fast at first, settling exactly at full size on the last frame.
        const qreal s = 0.15 + 0.85 * (1 - qPow(1 - t, 3));
        const QSizeF scaled(frame.width() * s, frame.height() * s);
        const QRectF target(cell.center().x() - scaled.width() / 2, cell.center().y() - scaled.height() / 2,
                            scaled.width(), scaled.height());
        p.save();
        p.setClipRect(cell);
        p.setOpacity(qMin(1.0, 0.25 + t * 1.2));
        p.drawImage(target, full);
        p.restore();
    }
}

} // namespace

void SetupPainter::drawRayTip(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    drawTip(p, kPhysicsTip,
            QStringLiteral("Tip: Lúč nakreslíš myšou: chyť koniec červeného lúča na zrkadle alebo šošovke a ťahaj. "
                           "Klávesy: Tab, šípky, Enter."));
}

void SetupPainter::drawBackground(QPainter& p, QSize size, TopicGroup group)
{
    const bool history = group == TopicGroup::History;
    Shapes::drawBackdrop(p, QRectF(QPointF(0, 0), size));
    Shapes::drawTitleBand(p, QRectF(0, 0, size.width(), 56), QStringLiteral("Orbeta Tarovia"));
    p.setPen(QColor(226, 236, 255));
    p.setFont(Typeface::font(15));
    p.drawText(QRectF(300, 0, 324, 53), Qt::AlignVCenter | Qt::AlignRight, QStringLiteral("Príprava série príkladov"));

    const QRect field = history ? Layout::kNameField6 : Layout::kNameField15;
    // The name: caption above the field, a panel around both.
    Shapes::drawPanel(p, QRectF(field.left() - 12, 78, 640 - field.left() + 4, 84), Palette::panel(),
                        Palette::panelEdge());
    p.setPen(Palette::ink());
    p.setFont(Typeface::font(16, true));
    p.drawText(QRectF(field.left(), 86, 300, 28), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("1. Napíš svoje meno:"));
    p.setPen(QPen(Palette::panelEdge(), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(field).adjusted(-1.5, -1.5, 0.5, 0.5));

    // The counts: caption and a frame around the row of buttons (a frame
    // only: the buttons stand on the ground colour).
    const QRect first = Layout::kCountButton1;
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Palette::panelEdge(), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(first.left() - 12.5, first.top() - 42.5, Layout::kCountStep * 4 + first.width() + 25,
                             first.height() + 54),
                      Shapes::kRadius + 3, Shapes::kRadius + 3);
    p.setPen(Palette::ink());
    p.setFont(Typeface::font(16, true));
    p.drawText(QRectF(first.left(), first.top() - 36, 300, 28), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("2. Vyber počet príkladov:"));

    // "Úloha:" left of the task heading, and a tip in the calm space above it.
    const QPoint heading = history ? Layout::kHeading6 : Layout::kHeading15;
    const int headingTop = heading.y() + (history ? 0 : Layout::kHeading15TextTop);
    const int headingBottom = heading.y() + (history ? Layout::kHeadingSize6 : Layout::kHeadingSize15).height();
    p.setPen(Palette::ink());
    p.setFont(Typeface::font(15, true));
    p.drawText(QRectF(8, headingTop, heading.x() - 14, headingBottom - headingTop - 3), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Úloha:"));
    // The physics tip is for the calculation tasks, which show a solution while the mark is held;
    // the ray constructions draw their own over it.
    drawTip(p, history ? kHistoryTip : kPhysicsTip,
            history ? QStringLiteral("Tip: Políčka presúvaj myšou alebo klávesmi (šípky, Enter). Za chybu "
                                     "dostaneš krížik – klikni naň alebo ho vyber a stlač medzerník.")
                    : QStringLiteral("Tip: Desatinné čísla píš s čiarkou, napríklad 2,5. "
                                     "Po vyhodnotení podrž tlačidlo myši na krížiku alebo stlač F9 a uvidíš riešenie."));

    // Step 3 above the continue button.
    const QRect go = Layout::kContinueButton;
    p.setFont(Typeface::font(15, true));
    p.drawText(QRectF(Layout::kPrintButton.left(), go.top() - 30, go.right() - Layout::kPrintButton.left(), 24),
               Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("3. Pokračuj alebo vytlač"));

    // Help is part of the background.
    const QRectF help = Layout::kSetupHelp;
    const QRectF badge(help.left() + 4, help.center().y() - 15, 30, 30);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Palette::stripDark(), 1.5));
    p.setBrush(Palette::strip());
    p.drawEllipse(badge);
    p.setPen(Qt::white);
    p.setFont(Typeface::font(20, true));
    p.drawText(badge, Qt::AlignCenter, QStringLiteral("?"));
    p.setPen(Palette::ink());
    p.setFont(Typeface::font(16, true));
    p.drawText(help.adjusted(42, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Pomoc"));
}

void SetupPainter::drawCountButton(QPainter& p, QSize size, int count, ButtonLook look)
{
    p.fillRect(QRect(QPoint(0, 0), size), Palette::ground());
    Shapes::drawButton(p, QRectF(QPointF(0, 0), size), look);
    TextFit::drawFittedText(p, QRectF(0, 0, size.width() - 3, size.height() - 3), QString::number(count), 22, true,
                             Shapes::buttonText(look), Qt::AlignCenter, false);
}

void SetupPainter::drawArrow(QPainter& p, QSize size, int button)
{
    p.fillRect(QRect(QPoint(0, 0), size), Palette::ground());
    const qreal x = Layout::kCountButton1.left() - Layout::kArrow.x() + Layout::kCountButton1.width() / 2.0
                    + Layout::kCountStep * (button - 1);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Palette::mark().darker(130), 1.5));
    p.setBrush(Palette::mark());
    QPainterPath arrow;
    arrow.moveTo(x, 1);
    arrow.lineTo(x + 13, 15);
    arrow.lineTo(x + 5, 15);
    arrow.lineTo(x + 5, size.height() - 2);
    arrow.lineTo(x - 5, size.height() - 2);
    arrow.lineTo(x - 5, 15);
    arrow.lineTo(x - 13, 15);
    arrow.closeSubpath();
    p.drawPath(arrow);
}

void SetupPainter::drawHeading(QPainter& p, QSize size, const TaskLabel& task)
{
    const int textTop = TaskTable::groupOf(task.code) == TopicGroup::History ? 0 : Layout::kHeading15TextTop;
    p.fillRect(QRect(QPoint(0, 0), size), Palette::ground());
    const QRectF band(0, textTop, size.width(), size.height() - textTop);
    Shapes::drawPanel(p, band, Qt::white, Palette::topic(task.topic));
    p.fillRect(QRectF(band.left() + 2, band.top() + 8, 5, band.height() - 18), Palette::topic(task.topic));
    TextFit::drawFittedText(p, band.adjusted(14, 2, -8, -4), task.title, 19, true, Palette::navy(),
                             Qt::AlignLeft | Qt::AlignVCenter);
}

void SetupPainter::drawTopicPicture(QPainter& p, QSize size, const TaskLabel& task)
{
    p.setRenderHint(QPainter::Antialiasing);
    const QColor c = Palette::topic(task.topic);
    const QRectF r(0, 4, size.width() - 4, size.height() - 8);
    QPainterPath tab;
    tab.moveTo(r.left(), r.top());
    tab.lineTo(r.right() - 26, r.top());
    tab.quadTo(r.right(), r.top(), r.right(), r.center().y());
    tab.quadTo(r.right(), r.bottom(), r.right() - 26, r.bottom());
    tab.lineTo(r.left(), r.bottom());
    tab.closeSubpath();
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, c.lighter(115));
    g.setColorAt(1, c.darker(120));
    p.setPen(QPen(c.darker(170), 2));
    p.setBrush(g);
    p.drawPath(tab);
    const QRectF disc(12, r.center().y() - 26, 52, 52);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(disc);
    Icons::drawTaskIcon(p, disc.adjusted(9, 9, -9, -9), task.code, c.darker(130));
    p.setPen(QColor(255, 255, 255, 220));
    p.setFont(Typeface::font(13, true));
    p.drawText(QRectF(74, r.top() + 8, 150, 18), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Téma"));
    TextFit::drawFittedText(p, QRectF(74, r.top() + 26, r.width() - 90, 36), TaskLabel::topicName(task.topic), 21, true,
                             Qt::white, Qt::AlignLeft | Qt::AlignVCenter, false);
}

void SetupPainter::drawButtonPlace(QPainter& p, QSize size)
{
    p.fillRect(QRect(QPoint(0, 0), size), Palette::ground());
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Palette::panelEdge(), 1.5, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(1.5, 1.5, size.width() - 5, size.height() - 5), Shapes::kRadius, Shapes::kRadius);
}

void SetupPainter::drawContinueStrip(QPainter& p, QSize size)
{
    drawStrip(p, size, QStringLiteral("Pokračuj"), Icons::drawForwardArrow);
}

void SetupPainter::drawPrintStrip(QPainter& p, QSize size)
{
    drawStrip(p, size, QStringLiteral("Tlač"), Icons::drawPrinter);
}

} // namespace orbeta
