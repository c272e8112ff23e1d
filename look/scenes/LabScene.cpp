// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "look/scenes/LabScene.h"

#include "look/basics/Palette.h"
#include "look/basics/Typeface.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPainter>

#include <algorithm>

namespace orbeta {
namespace {

constexpr qreal kLegendGap = 4;
constexpr qreal kLegendWidth = 80;
constexpr int kAnswerBoxPx = 15;
// A line box's frame, its text margins and the caret beside the last digit.
constexpr int kAnswerBoxPadding = 10;

} // namespace

QFont LabScene::answerBoxFont()
{
    return Typeface::font(kAnswerBoxPx);
}

int LabScene::answerBoxWidth(const QString& widest)
{
    const int text = QFontMetrics(answerBoxFont()).horizontalAdvance(widest);
    return std::max(Layout::kAnswerBox.width(), text + kAnswerBoxPadding);
}

void LabScene::drawRoom(QPainter& p, qreal benchTop)
{
    const QRectF all(QPointF(0, 0), kSize);
    p.fillRect(all, wall());
    const QRectF bench(0, benchTop, all.width(), all.height() - benchTop);
    QLinearGradient wood(bench.topLeft(), bench.bottomLeft());
    wood.setColorAt(0, QColor(214, 184, 140));
    wood.setColorAt(1, QColor(188, 152, 104));
    p.fillRect(bench, wood);
    p.fillRect(QRectF(0, benchTop, all.width(), 2), QColor(150, 112, 70));
}

void LabScene::drawLegend(QPainter& p, QPoint box, const QString& symbol, int pixelSize)
{
    p.save();
    p.setFont(Typeface::font(pixelSize, true));
    p.setPen(Palette::ink());
    const QRectF place(box.x() - kLegendGap - kLegendWidth, box.y(), kLegendWidth, Layout::kAnswerBox.height());
    p.drawText(place, Qt::AlignRight | Qt::AlignVCenter, symbol);
    p.restore();
}

void LabScene::drawCaption(QPainter& p, const QRectF& rect, const QString& text)
{
    p.save();
    p.setFont(Typeface::font(Typeface::kMinTextPx));
    p.setPen(Palette::ink());
    p.drawText(rect, Qt::AlignCenter, text);
    p.restore();
}

void LabScene::drawQuestionTag(QPainter& p, const QRectF& rect)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Palette::hintEdge(), 1.5));
    p.setBrush(Palette::hintFill());
    p.drawRoundedRect(rect, 5, 5);
    p.setFont(Typeface::font(16, true));
    p.setPen(Palette::hintEdge().darker(130));
    p.drawText(rect, Qt::AlignCenter, QStringLiteral("?"));
    p.restore();
}

void LabScene::drawDisplayFrame(QPainter& p, QPoint box, QSize boxSize)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(44, 56, 76));
    p.drawRoundedRect(QRectF(box, boxSize).adjusted(-3, -3, 3, 3), 3, 3);
    p.restore();
}

void LabScene::drawBalanceFace(QPainter& p, const QRectF& body, QPoint box)
{
    QLinearGradient face(body.topLeft(), body.bottomLeft());
    face.setColorAt(0, QColor(232, 237, 244));
    face.setColorAt(1, QColor(204, 212, 224));
    p.setPen(QPen(QColor(120, 136, 160), 1.5));
    p.setBrush(face);
    p.drawRoundedRect(body.adjusted(0.75, 0.75, -0.75, 0), 7, 7);
    drawDisplayFrame(p, box, Layout::kAnswerBox);
}

void LabScene::drawIronBody(QPainter& p, const QPolygonF& outline, qreal width, qreal penWidth)
{
    QPainterPath body;
    body.addPolygon(outline);
    body.closeSubpath();
    QLinearGradient shade(0, 0, width, 0);
    shade.setColorAt(0, QColor(120, 128, 144));
    shade.setColorAt(1, kIron);
    p.setPen(QPen(kIron.darker(150), penWidth));
    p.setBrush(shade);
    p.drawPath(body);
}

} // namespace orbeta
