// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <functional>

namespace orbeta {

// Shortening a text to a width in a bounded number of measurements, however
// long the text (a data file's line may hold megabytes): only a prefix that
// could possibly fit is ever measured, found by halving.
class TextElision {
public:
    using Measure = std::function<qreal(const QString&)>;

    // No character of a text font is narrower than a tenth of its size, so a
    // line of `width` holds at most this many characters of a font of `size`.
    static qsizetype mostCharacters(qreal width, qreal size);

    // The text when `widthOf` finds it no wider than `width`, otherwise its
    // longest start followed by "…" that is (at least the "…"). A text of more
    // than `most` characters is taken as too wide without being measured.
    static QString elide(const QString& text, qreal width, const Measure& widthOf, qsizetype most);

    // Whether the text fits `width`, measuring at most `most` + 1 characters of it.
    static bool fits(const QString& text, qreal width, const Measure& widthOf, qsizetype most);
};

} // namespace orbeta
