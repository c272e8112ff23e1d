// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "look/screens/HistoryPainter.h"

#include "look/controls/FocusPainter.h"
#include "look/controls/HelpFooter.h"
#include "look/basics/Layout.h"
#include "look/basics/Palette.h"
#include "look/basics/Shapes.h"
#include "look/basics/TextElision.h"
#include "look/basics/TextFit.h"
#include "look/basics/Typeface.h"

#include <QFontMetricsF>
#include <QPainter>

namespace orbeta {
namespace {

constexpr qreal kBoxRadius = 7;

QColor focusColour()
{
    return FocusPainter::colour();
}

void drawInstruction(QPainter& p, const QRectF& rect, const QString& text)
{
    Shapes::drawPanel(p, rect, Qt::white, Palette::panelEdge());
    TextFit::drawFittedText(p, rect.adjusted(10, 4, -10, -4), text, 14, false, Palette::ink(),
                             Qt::AlignLeft | Qt::AlignVCenter);
}

// The ground of the task forms: the header with the title picture and the
// toolbar, the rule under it and the panel below.
void drawFrame(QPainter& p, QSize size)
{
    Shapes::drawBackdrop(p, QRectF(QPointF(0, 0), size));
    const int h = Layout::kHeaderHeight;
    p.fillRect(QRectF(0, h, size.width(), 3), Palette::strip());
    p.fillRect(QRectF(0, h + 3, size.width(), 2), Palette::gold());
    Shapes::drawPanel(p, QRectF(6, h + 10, size.width() - 12, size.height() - h - 16), Palette::panel(),
                      Palette::panelEdge());
}

void drawAxis(QPainter& p, qreal y, qreal left, qreal right)
{
    p.setPen(QPen(Palette::stripDark(), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(left, y), QPointF(right - 4, y));
    p.setBrush(Palette::stripDark());
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF({{right, y}, {right - 14, y - 7}, {right - 14, y + 7}}));
    p.setPen(Palette::stripDark());
    p.setFont(Typeface::font(12, true));
    p.drawText(QRectF(right - 60, y + 4, 44, 16), Qt::AlignRight | Qt::AlignTop, QStringLiteral("čas"));
}

void drawTick(QPainter& p, qreal x, qreal y)
{
    p.setPen(QPen(Palette::stripDark(), 3));
    p.drawLine(QPointF(x, y - 7), QPointF(x, y + 7));
}

} // namespace

QPainterPath HistoryPainter::boxPath(const QRectF& rect)
{
    QPainterPath path;
    path.addRoundedRect(rect, kBoxRadius, kBoxRadius);
    return path;
}

QString HistoryPainter::elided(const QString& text, qreal width, int pixelSize, bool bold)
{
    const QFontMetricsF metrics(Typeface::font(pixelSize, bold));
    return TextElision::elide(
        text, width, [&metrics](const QString& shown) { return metrics.horizontalAdvance(shown); },
        TextElision::mostCharacters(width, pixelSize));
}

void HistoryPainter::drawBox(QPainter& p, const QRectF& rect, const QString& text, int pixelSize, BoxState state)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body = rect.adjusted(1, 1, -1, -1);
    QLinearGradient g(body.topLeft(), body.bottomLeft());
    QColor edge = Palette::strip();
    qreal edgeWidth = 1.5;
    switch (state) {
    case BoxState::Resting:
        g.setColorAt(0, Qt::white);
        g.setColorAt(1, QColor(214, 230, 250));
        break;
    case BoxState::Focused:
        g.setColorAt(0, Qt::white);
        g.setColorAt(1, QColor(255, 236, 200));
        edge = focusColour();
        edgeWidth = 2.5;
        break;
    case BoxState::Lifted:
        g.setColorAt(0, QColor(255, 248, 220));
        g.setColorAt(1, Palette::gold().lighter(125));
        edge = focusColour();
        edgeWidth = 2.5;
        break;
    case BoxState::Disabled:
        g.setColorAt(0, QColor(246, 248, 251));
        g.setColorAt(1, QColor(226, 232, 240));
        edge = Palette::panelEdge();
        break;
    }
    p.setBrush(g);
    p.setPen(QPen(edge, edgeWidth));
    p.drawPath(boxPath(body.adjusted(edgeWidth / 2, edgeWidth / 2, -edgeWidth / 2, -edgeWidth / 2)));
    p.setPen(Palette::ink());
    p.setFont(Typeface::font(pixelSize));
    const QRectF place = body.adjusted(kBoxMargin, 0, -kBoxMargin, 0);
    // Past what the box can show, a text from a data file is not laid out at all.
    p.drawText(place, Qt::AlignLeft | Qt::AlignVCenter, elided(text, place.width(), pixelSize, false));
    p.restore();
}

void HistoryPainter::drawSlot(QPainter& p, const QRectF& rect, const QString& name, bool focused)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body = rect.adjusted(1.5, 1.5, -1.5, -1.5);
    if (name.isEmpty()) {
        p.setBrush(Qt::white);
        p.setPen(QPen(focused ? focusColour() : Palette::panelEdge().darker(115), focused ? 2.5 : 1.5, Qt::DashLine));
        p.drawPath(boxPath(body));
    } else {
        p.setBrush(QColor(232, 242, 255));
        p.setPen(QPen(focused ? focusColour() : Palette::strip(), focused ? 2.5 : 1.5));
        p.drawPath(boxPath(body));
        p.setPen(Palette::ink());
        p.setFont(Typeface::font(kSlotPx, true));
        const QRectF place = body.adjusted(kSlotTextMargin, 1, -kSlotTextMargin, -1);
        const qsizetype most = TextElision::mostCharacters(place.width(), kSlotPx) * qsizetype(place.height() / kSlotPx + 1);
        // The lines the slot holds, every word on a line whole; a name too
        // long for them ends in "…".
        const QFontMetricsF metrics(p.font());
        const auto overflow = [&](const QString& text) {
            const QRectF need = metrics.boundingRect(place, Qt::AlignCenter | Qt::TextWordWrap, text);
            return need.width() <= place.width() && need.height() <= place.height() ? 0.0 : 1.0;
        };
        p.drawText(place, Qt::AlignCenter | Qt::TextWordWrap, TextElision::elide(name, 0.5, overflow, most));
    }
    p.restore();
}

void HistoryPainter::drawTarget(QPainter& p, const QRectF& rect)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(focusColour(), 3, Qt::DashLine));
    p.drawPath(boxPath(rect.adjusted(1.5, 1.5, -1.5, -1.5)));
    p.restore();
}

void HistoryPainter::drawPairsBackground(QPainter& p, QSize size, int rows)
{
    drawFrame(p, size);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Palette::stripDark());
    p.setFont(Typeface::font(13, true));
    const int headingTop = Layout::kPairRowTop + 4;
    p.drawText(QRectF(Layout::kPairLeft1.left(), headingTop, Layout::kPairLeft1.width(), 20),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Osobnosť"));
    p.drawText(QRectF(Layout::kPairBox1.left(), headingTop, 300, 20), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Čím je známa (presúvaj)"));
    for (int r = 1; r <= rows; ++r) {
        const int top = Layout::kPairRowTop + Layout::kPairRowStep * r;
        const QRectF band(14, top - 5, size.width() - 28, 30);
        p.setPen(Qt::NoPen);
        p.setBrush(r % 2 ? QColor(228, 238, 250) : QColor(238, 245, 253));
        p.drawRoundedRect(band, 6, 6);
        // The resting place of the row's box, seen while its box is away.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Palette::panelEdge(), 1.2, Qt::DashLine));
        p.drawPath(boxPath(QRectF(Layout::kPairBox1.translated(0, Layout::kPairRowStep * (r - 1))).adjusted(1, 1, -1, -1)));
        p.setPen(QPen(Palette::gold().darker(110), 2));
        const qreal mid = top + 10;
        p.drawLine(QPointF(Layout::kPairLeft1.right() - 2, mid), QPointF(Layout::kPairBox1.left() - 3, mid));
    }
    if (rows < Layout::kPairRows) {
        const int top = Layout::kPairRowTop + Layout::kPairRowStep * (rows + 1) + 8;
        drawInstruction(p, QRectF(20, top, 600, 64),
                        QStringLiteral("Presuň hodnoty pravého stĺpca myšou alebo klávesmi (šípky, Enter) tak, "
                                       "aby v každom riadku stála správna dvojica. Potom stlač Vyhodnoť."));
    }
}

void HistoryPainter::drawPersonsBackground(QPainter& p, QSize size)
{
    drawFrame(p, size);
    p.setRenderHint(QPainter::Antialiasing);
    drawAxis(p, Layout::kPersonAxisY, 14, size.width() - 14);
    for (int i = 0; i < Layout::kTimelinePositions; ++i) {
        const QRectF slot = QRectF(Layout::kPersonSlot1).translated(Layout::kPersonStep * i, 0);
        drawTick(p, slot.center().x(), Layout::kPersonAxisY);
    }
    drawInstruction(p, QRectF(14, 428, 446, 42),
                    QStringLiteral("Presuň mená do prázdnych políčok nad rokmi ich života. Meno vrátiš kliknutím."));
}

void HistoryPainter::drawEventsBackground(QPainter& p, QSize size)
{
    drawFrame(p, size);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal axis = Layout::kEventAxisY;
    for (int i = 0; i < Layout::kTimelinePositions; ++i) {
        const QRectF box = QRectF(Layout::kEventBox1).translated(Layout::kEventBoxStepX * i, Layout::kEventBoxStepY * i);
        const qreal x = box.left() + Layout::kEventTickOffset;
        p.setPen(QPen(Palette::strip(), 1.5, Qt::DashLine));
        p.drawLine(QPointF(x, axis), QPointF(x, box.top()));
    }
    drawAxis(p, axis, 14, size.width() - 14);
    for (int i = 0; i < Layout::kTimelinePositions; ++i)
        drawTick(p, Layout::kEventBox1.left() + Layout::kEventTickOffset + Layout::kEventBoxStepX * i, axis);
    drawInstruction(p, QRectF(14, 404, 446, 64),
                    QStringLiteral("Presúvaj objavy a vynálezy tak, aby každý visel pod rokom, v ktorom vznikol. "
                                   "Potom stlač Vyhodnoť."));
}

void HistoryPainter::drawHelp(QPainter& p, QSize size, const QString& taskCode)
{
    Shapes::drawBackdrop(p, QRectF(QPointF(0, 0), size));
    const bool pairs = taskCode == QLatin1String("6a");
    const bool persons = taskCode == QLatin1String("6b");
    Shapes::drawTitleBand(p, QRectF(0, 0, size.width(), 48),
                          pairs     ? QStringLiteral("Pomoc: Urči dvojice")
                          : persons ? QStringLiteral("Pomoc: Časová os – osobnosti")
                                    : QStringLiteral("Pomoc: Časová os – objavy a vynálezy"));
    p.setRenderHint(QPainter::Antialiasing);

    // A small picture of the move: a box lifted from its place towards a target.
    const QRectF from(40, 86, 250, 30);
    const QRectF to(350, 150, 250, 30);
    drawBox(p, from, pairs ? QStringLiteral("zákon pružnosti") : persons ? QStringLiteral("Isaac Newton")
                                                                         : QStringLiteral("ortuťový tlakomer"),
            kTimelineBoxPx, BoxState::Lifted);
    drawTarget(p, to);
    p.setPen(QPen(Palette::strip(), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(290, 110), QPointF(340, 156));
    p.setBrush(Palette::strip());
    p.drawPolygon(QPolygonF({{346, 162}, {330, 158}, {342, 146}}));

    const QString goal =
        pairs     ? QStringLiteral("V každom riadku stojí vľavo osobnosť a vpravo to, čím je známa. Hodnoty pravého "
                                   "stĺpca sú zamiešané: presúvaj ich, kým nie sú všetky dvojice správne. Presunutá "
                                   "hodnota si vymení miesto s tou, na ktorú ju položíš.")
        : persons ? QStringLiteral("Na časovej osi sú roky narodenia a úmrtia piatich osobností (\"súč.\" znamená, že "
                                   "osobnosť žije). Presuň každé meno do prázdneho políčka nad rokmi života tejto "
                                   "osobnosti. "
                                   "Kliknutím na vyplnené políčko meno vrátiš.")
                  : QStringLiteral("Na časovej osi je päť rokov, od najstaršieho vľavo. Pod každým rokom visí jeden "
                                   "objav alebo vynález, ale zatiaľ nesprávny. Presúvaj ich, kým každý nevisí pod "
                                   "rokom, v ktorom vznikol: položený objav si vymení miesto s tým, ktorý tam visel.");
    TextFit::drawFittedText(p, QRectF(30, 200, 580, 110), goal, 16, false, Palette::ink(),
                             Qt::AlignLeft | Qt::AlignTop);
    Shapes::drawPanel(p, QRectF(24, 318, 592, 100), Qt::white, Palette::panelEdge());
    TextFit::drawFittedText(
        p, QRectF(38, 324, 564, 90),
        QStringLiteral("Myšou: chyť položku a pusti ju na cieľ. Klávesnicou: šípkami alebo Tab vyber položku, Enter "
                       "alebo medzerník ju zdvihne, šípkami vyber cieľ, Enter ju položí, Esc zruší. F3 vyhodnotí, F4 "
                       "pokračuje, Esc späť. Po vyhodnotení klikni na krížik (alebo F9) a uvidíš správnu odpoveď."),
        15, false, Palette::ink(), Qt::AlignLeft | Qt::AlignVCenter);
    HelpFooter::draw(p, QRectF(12, 432, 616, 36));
}

} // namespace orbeta
