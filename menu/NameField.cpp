// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "menu/NameField.h"

#include "formats/Cp1250.h"

namespace orbeta {

bool NameField::accepts(QChar c)
{
    if (c == QLatin1Char('|'))
        return false;
    // Line breaks, tabs and the other control characters would split or
    // garble a line of the ranking file or the log.
    if (c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
        return false;
    return Cp1250::canEncode(c);
}

NameField::Edit NameField::clean(const QString& text, int cursor)
{
    Edit result;
    result.text.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool leadingBlank = result.text.isEmpty() && c == QLatin1Char(' ');
        if (accepts(c) && !leadingBlank)
            result.text.append(c);
        if (i + 1 == cursor)
            result.cursor = int(result.text.size());
    }
    if (result.text.size() > kMaxLength)
        result.text.truncate(kMaxLength);
    if (result.cursor > result.text.size())
        result.cursor = int(result.text.size());
    return result;
}

} // namespace orbeta
