// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/calculator/AnswerKeyFilter.h"

#include <algorithm>

namespace orbeta {
namespace {

BoxEdit apply(const QString& text, int caret, QChar key)
{
    caret = std::clamp(caret, 0, int(text.size()));
    if (key == kBackspace) {
        if (caret == 0)
            return {text, caret};
        QString shorter = text;
        shorter.remove(caret - 1, 1);
        return {shorter, caret - 1};
    }
    QString longer = text;
    longer.insert(caret, key);
    return {longer, caret + 1};
}

bool isDigit(QChar key)
{
    return key >= QLatin1Char('0') && key <= QLatin1Char('9');
}

} // namespace

BoxEdit FilterAnswerKey(const QString& text, int caret, QChar key)
{
    const BoxEdit unchanged{text, std::clamp(caret, 0, int(text.size()))};
    if (key == QLatin1Char(',') || key == QLatin1Char('.')) {
        if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('.')))
            return unchanged;
        key = QLatin1Char(',');
    }
    if (isDigit(key) || key == QLatin1Char('+') || key == QLatin1Char('-') || key == QLatin1Char(',')
        || key == kBackspace)
        return apply(text, caret, key);
    return unchanged;
}

BoxEdit FilterTimeKey(const QString& text, int caret, QChar key)
{
    if (isDigit(key) || key == QLatin1Char('-') || key == kBackspace)
        return apply(text, caret, key);
    return {text, std::clamp(caret, 0, int(text.size()))};
}

BoxEdit EditBox(const QString& text, int caret, BoxSelection selection, QChar key, BoxKind kind)
{
    QString rest = text;
    if (selection.length > 0 && selection.start >= 0 && selection.start + selection.length <= text.size()) {
        rest.remove(selection.start, selection.length);
        caret = selection.start;
        if (key == kBackspace)
            return {rest, caret};
    }
    return kind == BoxKind::Time ? FilterTimeKey(rest, caret, key) : FilterAnswerKey(rest, caret, key);
}

BoxEdit CleanBox(const QString& text, int caret, BoxKind kind)
{
    BoxEdit clean;
    int cleanCaret = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        // A control character in pasted text is no key: Backspace must not act.
        if (text.at(i).isPrint())
            clean = kind == BoxKind::Time ? FilterTimeKey(clean.text, clean.caret, text.at(i))
                                          : FilterAnswerKey(clean.text, clean.caret, text.at(i));
        if (i < caret)
            cleanCaret = clean.caret;
    }
    clean.caret = cleanCaret;
    return clean;
}

} // namespace orbeta
