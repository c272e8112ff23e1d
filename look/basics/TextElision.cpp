// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "look/basics/TextElision.h"

#include <QTextBoundaryFinder>

#include <algorithm>
#include <cmath>

namespace orbeta {
namespace {

const QChar kEllipsis(0x2026);

// A cut never parts a letter: neither the two halves of a character outside
// the basic plane nor a letter from its accents ("S" and a combining caron).
// Only the neighbourhood of the cut is looked at, however long the text.
qsizetype cutBefore(const QString& text, qsizetype length)
{
    if (length <= 0 || length >= text.size())
        return length;
    constexpr qsizetype kReach = 32;
    const qsizetype from = std::max<qsizetype>(0, length - kReach);
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text.mid(from, length - from + kReach));
    finder.setPosition(length - from);
    if (finder.isAtBoundary())
        return length;
    const qsizetype previous = finder.toPreviousBoundary();
    return previous < 0 ? from : from + previous;
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
