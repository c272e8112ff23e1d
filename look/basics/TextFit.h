// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QRectF>
#include <QString>

class QPainter;

namespace orbeta {

// Text that shrinks until it fits its place.
class TextFit {
public:
    // The largest pixel size from maxPx down to minPx at which the text fits
    // on one line of the given width; 0 when none does.
    static int singleLineSize(const QString& text, qreal width, int maxPx, int minPx, bool bold);
    // The largest pixel size from pixelSize down to Typeface::kMinTextPx at
    // which the text fits the rectangle (wrapping at blanks when allowed);
    // 0 when none does.
    static int fittedSize(const QString& text, const QRectF& rect, int pixelSize, bool bold, int flags, bool wrap);
    // Draws text in the rectangle at the largest size from pixelSize down to
    // Typeface::kMinTextPx at which it fits (wrapping at blanks when allowed).
    static void drawFittedText(QPainter& painter, const QRectF& rect, const QString& text, int pixelSize,
                               bool bold, const QColor& colour, int flags = Qt::AlignCenter, bool wrap = true);
};

} // namespace orbeta
