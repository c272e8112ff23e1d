// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "look/screens/CalcFormPainter.h"

#include "look/basics/Layout.h"
#include "look/basics/Palette.h"
#include "look/basics/Shapes.h"
#include "look/basics/TextFit.h"
#include "look/basics/Typeface.h"

#include <QPainter>
#include <QPainterPath>

namespace orbeta {
namespace {

using ExperimentButton = PictureNames::ExperimentButton;
using CalculatorKey = PictureNames::CalculatorKey;

QColor goColour() { return {22, 146, 62}; }
QColor tableBoard() { return Palette::strip(); }
QColor tableHeading() { return Palette::stripDark(); }
// Mid-light: black labels read clearly on it and the white label of the marked row still does.
QColor tableRow() { return {98, 134, 194}; }

void drawPlay(QPainter& p, const QRectF& r, const QColor& colour)
{
    QPainterPath triangle;
    triangle.moveTo(r.left() + r.width() * 0.18, r.top());
    triangle.lineTo(r.right(), r.center().y());
    triangle.lineTo(r.left() + r.width() * 0.18, r.bottom());
    triangle.closeSubpath();
    p.setPen(QPen(colour.darker(140), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(colour);
    p.drawPath(triangle);
}

void drawStop(QPainter& p, const QRectF& r, const QColor& colour)
{
    const QRectF square = r.adjusted(r.width() * 0.1, r.height() * 0.1, -r.width() * 0.1, -r.height() * 0.1);
    p.setPen(QPen(colour.darker(140), 1.5));
    p.setBrush(colour);
    p.drawRoundedRect(square, 3, 3);
}

// The cross and the tick of the marks: a dark edge under a bright stroke.
void strokeTwice(QPainter& p, const QPainterPath& path, const QColor& colour, qreal width)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour.darker(150), width + 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

void drawKeySymbol(QPainter& p, const QRectF& r, CalculatorKey key, const QColor& colour)
{
    const QPointF c = r.center();
    const qreal h = r.width() * 0.26; // half the length of a stroke
    p.setPen(QPen(colour, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(colour);
    switch (key) {
    case CalculatorKey::Plus:
        p.drawLine(QPointF(c.x() - h, c.y()), QPointF(c.x() + h, c.y()));
        p.drawLine(QPointF(c.x(), c.y() - h), QPointF(c.x(), c.y() + h));
        break;
    case CalculatorKey::Minus:
        p.drawLine(QPointF(c.x() - h, c.y()), QPointF(c.x() + h, c.y()));
        break;
    case CalculatorKey::Times: {
        const qreal d = h * 0.78;
        p.drawLine(QPointF(c.x() - d, c.y() - d), QPointF(c.x() + d, c.y() + d));
        p.drawLine(QPointF(c.x() - d, c.y() + d), QPointF(c.x() + d, c.y() - d));
        break;
    }
    case CalculatorKey::Divide:
        p.drawLine(QPointF(c.x() - h, c.y()), QPointF(c.x() + h, c.y()));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(c.x(), c.y() - h * 0.8), 1.7, 1.7);
        p.drawEllipse(QPointF(c.x(), c.y() + h * 0.8), 1.7, 1.7);
        break;
    case CalculatorKey::Clear:
        p.setFont(Typeface::font(15, true));
        p.drawText(r, Qt::AlignCenter, QStringLiteral("C"));
        break;
    }
}

} // namespace

void CalcFormPainter::drawProgressBox(QPainter& p)
{
    const QRectF progress = Layout::kCalcProgress;
    Shapes::drawPanel(p, progress, Qt::white, Palette::panelEdge(), 7);
    p.setPen(Palette::strip());
    p.setFont(Typeface::font(12, true));
    p.drawText(QRectF(progress.left(), progress.top() + 2, progress.width() - 2, 16), Qt::AlignCenter,
               QStringLiteral("Príklad"));
}

void CalcFormPainter::drawBackground(QPainter& p, QSize size)
{
    Shapes::drawBackdrop(p, QRectF(QPointF(0, 0), size));
    p.setRenderHint(QPainter::Antialiasing);

    drawProgressBox(p);
    const QRectF progress = Layout::kCalcProgress;
    p.setPen(QPen(Palette::panelEdge(), 1));
    const qreal rule = progress.top() + 19.5;
    p.drawLine(QPointF(progress.left() + 10, rule), QPointF(progress.right() - 11, rule));

    // The rule under the header, and the assignment on a white band right below it.
    const int h = Layout::kHeaderHeight;
    p.fillRect(QRectF(0, h, size.width(), 3), Palette::strip());
    p.fillRect(QRectF(0, h + 3, size.width(), 2), Palette::gold());
    const QRect text = Layout::kCalcAssignment;
    const int bandBottom = text.bottom() + 1;
    p.fillRect(QRectF(0, h + 5, size.width(), bandBottom - h - 5), Palette::paper());
    p.fillRect(QRectF(0, bandBottom, size.width(), 1), Palette::panelEdge());
    p.fillRect(QRectF(0, bandBottom + 1, size.width(), 1), Palette::shade());

    // A calm frame around the scene, with the same soft shade as the panels.
    const QRectF scene = QRectF(Layout::kCalcScene).adjusted(-2, -2, 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::shade());
    p.drawRoundedRect(scene.translated(2, 2), 4, 4);
    p.setBrush(Palette::panel());
    p.setPen(QPen(Palette::panelEdge(), 2));
    p.drawRoundedRect(scene.adjusted(1, 1, -1, -1), 3, 3);

    // A white field under the calculator input. The notes draw their own:
    // they stand short above the table or tall without one.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Palette::panelEdge(), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(Layout::kCalculatorInput).adjusted(-0.5, -0.5, -0.5, -0.5));
}

void CalcFormPainter::drawExperimentButton(QPainter& p, QSize size, ExperimentButton state)
{
    const bool stop = state == ExperimentButton::Stop || state == ExperimentButton::StopPressed;
    const bool pressed = state == ExperimentButton::PlayPressed || state == ExperimentButton::StopPressed;
    const bool disabled = state == ExperimentButton::Disabled;
    p.fillRect(QRect(QPoint(0, 0), size), Palette::ground());
    const QRectF rect(QPointF(0, 0), size);
    Shapes::drawButton(p, rect, pressed ? ButtonLook::Chosen : ButtonLook::Normal);
    QColor icon = stop ? Palette::mark() : goColour();
    QColor label = Shapes::buttonText(pressed ? ButtonLook::Chosen : ButtonLook::Normal);
    if (pressed)
        icon = stop ? QColor(255, 150, 140) : QColor(130, 236, 150);
    if (disabled) {
        // Washed out towards the ground, with grey ink.
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        QColor wash = Palette::ground();
        wash.setAlpha(150);
        p.setPen(Qt::NoPen);
        p.setBrush(wash);
        p.drawRoundedRect(rect.adjusted(0, 0, -1, -1), Shapes::kRadius + 1, Shapes::kRadius + 1);
        p.restore();
        icon = QColor(150, 160, 176);
        label = QColor(124, 134, 152);
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal side = 22;
    const QRectF iconRect(13, (size.height() - side) / 2.0 - 1, side, side);
    if (stop)
        drawStop(p, iconRect, icon);
    else
        drawPlay(p, iconRect, icon);
    p.restore();
    const qreal left = iconRect.right() + 7;
    TextFit::drawFittedText(p, QRectF(left, 0, size.width() - left - 8, size.height() - 3),
                            stop ? QStringLiteral("Stop") : QStringLiteral("Pokus"), 17, true, label,
                            Qt::AlignLeft | Qt::AlignVCenter, false);
}

void CalcFormPainter::drawCheckMark(QPainter& p, QSize size, bool right)
{
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height();
    QPainterPath path;
    if (right) {
        path.moveTo(w * 0.17, h * 0.54);
        path.lineTo(w * 0.41, h * 0.76);
        path.lineTo(w * 0.83, h * 0.22);
        strokeTwice(p, path, goColour(), 8);
    } else {
        path.moveTo(w * 0.23, h * 0.26);
        path.lineTo(w * 0.77, h * 0.74);
        path.moveTo(w * 0.77, h * 0.26);
        path.lineTo(w * 0.23, h * 0.74);
        strokeTwice(p, path, Palette::mark(), 8);
    }
}

void CalcFormPainter::drawCalculatorKey(QPainter& p, QSize size, CalculatorKey key, bool pressed)
{
    const ButtonLook look = pressed ? ButtonLook::Chosen : ButtonLook::Normal;
    p.fillRect(QRect(QPoint(0, 0), size), Palette::ground());
    Shapes::drawButton(p, QRectF(QPointF(0, 0), size), look);
    // The clear key in red, so it is not taken for an operation.
    const QColor colour = pressed ? QColor(Qt::white) : key == CalculatorKey::Clear ? Palette::mark() : Palette::ink();
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    drawKeySymbol(p, QRectF(1, 1, size.width() - 4, size.height() - 4), key, colour);
    p.restore();
}

void CalcFormPainter::drawTableGround(QPainter& p, QSize size)
{
    // The form cuts the lowest rows off, so the board ends above them.
    Shapes::drawBackdrop(p, QRectF(QPointF(0, 0), size));
    const QRectF board(0, 0, size.width(), size.height() - Layout::kTableBlueCut);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(tableBoard());
    p.drawRoundedRect(board, 7, 7);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(tableBoard().lighter(125), 1));
    p.drawRoundedRect(board.adjusted(1.5, 1.5, -1.5, -1.5), 6, 6);
}

void CalcFormPainter::drawTableTop(QPainter& p, QSize size)
{
    const qreal w = size.width(), h = size.height();
    p.fillRect(QRectF(0, 0, w, h), tableBoard());
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, tableHeading().lighter(125));
    g.setColorAt(1, tableHeading());
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(3, 0, w - 6, h + 8), 6, 6);
    p.fillRect(QRectF(3, h - 2, w - 6, 2), Palette::gold());
}

void CalcFormPainter::drawTableBody(QPainter& p, QSize size)
{
    const qreal w = size.width(), h = size.height();
    p.fillRect(QRectF(0, 0, w, h), tableBoard());
    p.fillRect(QRectF(3, 0, w - 6, h), tableRow());
    // A lighter top and a darker bottom line keep the rows apart.
    p.fillRect(QRectF(3, 0, w - 6, 1), tableRow().lighter(116));
    p.fillRect(QRectF(3, h - 1, w - 6, 1), tableRow().darker(125));
}

void CalcFormPainter::drawTableBottom(QPainter& p, QSize size)
{
    const qreal w = size.width(), h = size.height();
    p.fillRect(QRectF(0, 0, w, h), tableBoard());
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(tableHeading());
    p.drawRoundedRect(QRectF(3, -8, w - 6, h + 6), 6, 6);
}

} // namespace orbeta
