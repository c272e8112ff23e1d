// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "look/basics/ButtonLook.h"

#include <QColor>
#include <QRectF>
#include <QString>

class QPainter;

namespace orbeta {

// The shapes every screen is built from, on any painter at any scale. Light
// falls from the top left; every raised shape has a soft shade towards the
// bottom right.
class Shapes {
public:
    static constexpr qreal kRadius = 9.0;
    static constexpr qreal kOutline = 2.0;

    static void drawButton(QPainter& painter, const QRectF& rect, ButtonLook look);
    static QColor buttonText(ButtonLook look);
    // A raised panel (the same shape and light, without button looks).
    static void drawPanel(QPainter& painter, const QRectF& rect, const QColor& fill, const QColor& edge,
                          qreal radius = kRadius);
    // The flat ground of full screens.
    static void drawBackdrop(QPainter& painter, const QRectF& rect);
    // The title band across the top of a screen, with a caption.
    static void drawTitleBand(QPainter& painter, const QRectF& rect, const QString& caption);
    // A red disc with a white number: the steps of the help pictures.
    static void drawNumberBadge(QPainter& painter, QPointF centre, int number);
};

} // namespace orbeta
