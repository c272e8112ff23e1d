#include "shell/SiglaText.h"

namespace orbeta {
namespace {

// The Sigla font's substitutions (font/make_sigla.py builds the glyphs).
struct Substitution {
    char16_t stored;
    char16_t shown;
};

constexpr Substitution kSubstitutions[] = {
    {u'\u00E1', u'\u2081'}, // á: subscript one
    {u'\u00E2', u'\u2082'}, // â: subscript two
    {u'\u00C1', u'\u00B9'}, // Á: superscript one
    {u'\u00C2', u'\u00B2'}, // Â: superscript two
    {u'\u0102', u'\u00B3'}, // Ă: superscript three
    {u'\u00AC', u'\u207B'}, // ¬: superscript minus
    {u'\u0170', u'\u03A9'}, // Ű: the ohm sign (capital omega)
    {u'\u00FA', u'\u03C1'}, // ú: rho
    {u'\u00B4', u'\u221E'}, // ´: infinity
    {u'\u00A9', u'\u221A'}, // ©: square root
};

} // namespace

QString SiglaText::toUnicode(QStringView sigla)
{
    QString text = sigla.toString();
    for (QChar& c : text)
        for (const Substitution& s : kSubstitutions)
            if (c.unicode() == s.stored) {
                c = QChar(s.shown);
                break;
            }
    return text;
}

QString SiglaText::fromUnicode(QStringView text)
{
    QString sigla = text.toString();
    for (QChar& c : sigla)
        for (const Substitution& s : kSubstitutions)
            if (c.unicode() == s.shown) {
                c = QChar(s.stored);
                break;
            }
    return sigla;
}

} // namespace orbeta
