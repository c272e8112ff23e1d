// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QRectF>
#include <QString>

class QPainter;

namespace orbeta {

// The keyboard's focus, drawn the same on every screen: an orange frame with a
// thin white line inside it, so it shows on light and dark pictures alike.
class FocusPainter {
public:
    static constexpr qreal kWidth = 3;

    static QColor colour() { return {236, 120, 18}; }

    // The frame just inside `rect`.
    static void drawFrame(QPainter& painter, const QRectF& rect);
    // The frame just outside `rect`, for a control that draws itself to its edges.
    static void drawFrameAround(QPainter& painter, const QRectF& rect);
    // The same frame on the controls of Qt's own dialogs (message boxes, the
    // print dialog), as a style sheet.
    static QString dialogStyleSheet();
};

} // namespace orbeta
