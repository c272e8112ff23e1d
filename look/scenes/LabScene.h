// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "look/basics/Layout.h"

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QPolygonF>
#include <QRectF>
#include <QString>

class QPainter;

namespace orbeta {

// What the apparatus scenes of the calculation form share: the wall and the
// bench they stand on, the colours of their materials, the balance and the
// iron weights, the legend left of an answer box and the small captions and
// tags, so that every scene reads the same way.
class LabScene {
public:
    static constexpr QSize kSize = Layout::kCalcScene.size();
    // The materials of the apparatus, alike in every scene.
    static constexpr QColor kMetal{150, 160, 176};
    static constexpr QColor kMetalDark{96, 106, 124};
    static constexpr QColor kSteelDark{84, 94, 112};
    static constexpr QColor kIron{70, 76, 90};
    static constexpr QColor kGlassEdge{104, 134, 172};
    static constexpr QColor kGlassInside{248, 251, 255};
    static constexpr QColor kWood{206, 160, 98};
    static constexpr QColor kWoodDark{146, 104, 56};

    // The type of the answer boxes.
    static QFont answerBoxFont();
    // The width of an answer box that shows `widest` whole in its type, with
    // the caret after it: never narrower than the usual box.
    static int answerBoxWidth(const QString& widest);

    // The wall the apparatus stands in front of; sprites of the scenes use it as their matte.
    static QColor wall() { return {238, 244, 251}; }

    // The wall over the whole scene and the bench from benchTop down.
    static void drawRoom(QPainter& painter, qreal benchTop);
    // "m₁ =" right-aligned 4 pixels left of the answer box at `box`.
    static void drawLegend(QPainter& painter, QPoint box, const QString& symbol, int pixelSize = 15);
    // A short caption in small type, centred over `rect`.
    static void drawCaption(QPainter& painter, const QRectF& rect, const QString& text);
    // The tag that stands where a scale's numbers would give the answer away.
    static void drawQuestionTag(QPainter& painter, const QRectF& rect);
    // A dark frame around a box that is the display of an instrument.
    static void drawDisplayFrame(QPainter& painter, QPoint box, QSize boxSize);
    // The body of an electronic balance; its display is the answer box at `box`.
    static void drawBalanceFace(QPainter& painter, const QRectF& body, QPoint box);
    // The cast body of a weight inside `outline`, shaded from the left over `width` pixels.
    static void drawIronBody(QPainter& painter, const QPolygonF& outline, qreal width, qreal penWidth);
};

} // namespace orbeta
