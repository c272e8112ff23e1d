#pragma once

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
    // The other way, for a text drawn in Sigla: "g/cm³" becomes "g/cmĂ".
    static QString fromUnicode(QStringView text);
};

} // namespace orbeta
