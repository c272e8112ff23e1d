// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/SiglaText.h"

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

bool drawnInSigla(QChar c)
{
    for (const Substitution& s : kSubstitutions)
        if (c.unicode() == s.shown)
            return true;
    return false;
}

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

QList<SiglaText::Run> SiglaText::runs(QStringView shown)
{
    QList<Run> runs;
    for (const QChar c : shown) {
        const bool sigla = drawnInSigla(c);
        if (runs.isEmpty() || runs.back().sigla != sigla)
            runs.append({QString(), sigla});
        runs.back().text.append(c);
    }
    return runs;
}

} // namespace orbeta
