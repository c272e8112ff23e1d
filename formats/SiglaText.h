// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <QStringView>

namespace orbeta {

// Texts meant for the Sigla font store subscripts, superscripts and a few
// signs as Central European letters ("má" is m₁, "Ű" the ohm sign). Where a
// text leaves the screen (a printed page, a PDF's text layer, a copied line)
// it must say what it shows.
class SiglaText {
public:
    // The same text with every Sigla letter replaced by the character it
    // draws ("má" becomes "m₁", "g/cmĂ" becomes "g/cm³"); other characters stay.
    static QString toUnicode(QStringView sigla);

    // A piece of a text meant for one font: Sigla for the characters whose
    // glyphs only Sigla is sure to have, the text's own font for the rest.
    struct Run {
        QString text;
        bool sigla = false;
    };
    // `shown` cut into runs, each as long as its font stays the same.
    static QList<Run> runs(QStringView shown);
};

} // namespace orbeta
