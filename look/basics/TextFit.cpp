// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "look/basics/TextFit.h"

#include "look/basics/TextElision.h"
#include "look/basics/Typeface.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace orbeta {
namespace {

// The characters a rectangle can show at the smallest size: one line, or as
// many lines as its height holds.
qsizetype mostCharacters(const QRectF& rect, int minPx, bool wrap)
{
    const qsizetype perLine = TextElision::mostCharacters(rect.width(), minPx);
    return wrap ? perLine * qsizetype(std::max(1.0, rect.height() / minPx)) : perLine;
}

} // namespace

int TextFit::singleLineSize(const QString& text, qreal width, int maxPx, int minPx, bool bold)
{
    if (text.size() > TextElision::mostCharacters(width, minPx))
        return 0;
    for (int px = maxPx; px >= minPx; --px) {
        if (QFontMetricsF(Typeface::font(px, bold)).horizontalAdvance(text) <= width)
            return px;
    }
    return 0;
}

int TextFit::fittedSize(const QString& text, const QRectF& rect, int pixelSize, bool bold, int flags, bool wrap)
{
    if (text.size() > mostCharacters(rect, Typeface::kMinTextPx, wrap))
        return 0;
    const int wrapFlag = wrap ? Qt::TextWordWrap : 0;
    for (int size = pixelSize; size >= Typeface::kMinTextPx; --size) {
        const QFontMetricsF metrics(Typeface::font(size, bold));
        const QRectF need = metrics.boundingRect(rect, flags | wrapFlag, text);
        // Wrapping never breaks a word, so the longest one must fit on its own.
        bool wordsFit = true;
        for (const QString& word : text.split(' ', Qt::SkipEmptyParts))
            wordsFit = wordsFit && metrics.horizontalAdvance(word) <= rect.width();
        if (need.width() <= rect.width() && need.height() <= rect.height() && wordsFit)
            return size;
    }
    return 0;
}

void TextFit::drawFittedText(QPainter& painter, const QRectF& rect, const QString& text, int pixelSize, bool bold,
                             const QColor& colour, int flags, bool wrap)
{
    const int fitted = fittedSize(text, rect, pixelSize, bold, flags, wrap);
    painter.save();
    painter.setFont(Typeface::font(fitted ? fitted : qMin(pixelSize, int(Typeface::kMinTextPx)), bold));
    painter.setPen(colour);
    // A text too long for the rectangle at any size is cut to what could be seen.
    const qsizetype most = mostCharacters(rect, Typeface::kMinTextPx, wrap);
    painter.drawText(rect, flags | (wrap ? Qt::TextWordWrap : 0),
                     text.size() > most ? text.left(most) + QChar(0x2026) : text);
    painter.restore();
}

} // namespace orbeta
