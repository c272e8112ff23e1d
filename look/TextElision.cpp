// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "look/TextElision.h"

#include <algorithm>
#include <cmath>

namespace orbeta {
namespace {

const QChar kEllipsis(0x2026);

// A cut never parts the two halves of a character outside the basic plane.
qsizetype cutBefore(const QString& text, qsizetype length)
{
    if (length > 0 && length < text.size() && text.at(length - 1).isHighSurrogate())
        return length - 1;
    return length;
}

} // namespace

qsizetype TextElision::mostCharacters(qreal width, qreal size)
{
    if (!(width > 0) || !(size > 0))
        return 0;
    return qsizetype(std::ceil(std::min(width / size * 10, 1.0e6)));
}

bool TextElision::fits(const QString& text, qreal width, const Measure& widthOf, qsizetype most)
{
    return text.size() <= most && widthOf(text) <= width;
}

QString TextElision::elide(const QString& text, qreal width, const Measure& widthOf, qsizetype most)
{
    if (fits(text, width, widthOf, most))
        return text;
    // The longest start that fits with the ellipsis: [low] fits, [high] does not.
    qsizetype low = 0;
    qsizetype high = std::min(text.size(), most + 1);
    while (high - low > 1) {
        const qsizetype middle = low + (high - low) / 2;
        if (widthOf(text.left(cutBefore(text, middle)) + kEllipsis) <= width)
            low = middle;
        else
            high = middle;
    }
    return text.left(cutBefore(text, low)) + kEllipsis;
}

} // namespace orbeta
