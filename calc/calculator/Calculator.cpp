// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/calculator/Calculator.h"

#include "calc/calculator/ExpressionEvaluator.h"

namespace orbeta {

const QString Calculator::InfiniteGlyph = QStringLiteral("´");
const QString Calculator::NotesLineBreak = QStringLiteral("\n");

namespace {

// Pi to 9 decimals, which the calculator puts in for a typed 3,14.
const QString PiText = QStringLiteral("3.141592654");

bool isNumberCharacter(QChar c)
{
    return (c >= u'0' && c <= u'9') || c == u',' || c == u'.';
}

bool isPiAt(QStringView typed, qsizetype k)
{
    if (typed[k] != u'3' || k + 4 > typed.size())
        return false;
    const QStringView four = typed.mid(k, 4);
    return four == u"3,14" || four == u"3.14";
}

} // namespace

QString Calculator::convertTypedText(QStringView typed)
{
    QString expression;
    expression.reserve(typed.size() + 16);
    // The last character written that belongs to the expression.
    QChar previous;
    for (qsizetype k = 0; k < typed.size(); ++k) {
        const QChar c = typed[k];
        if (c == u' ' || c == u'=')
            continue;
        if (isPiAt(typed, k) && !isNumberCharacter(previous)) {
            qsizetype next = k + 4;
            while (next < typed.size() && (typed[next] == u' ' || typed[next] == u'='))
                ++next;
            if (next == typed.size() || !isNumberCharacter(typed[next])) {
                expression += PiText;
                previous = u'4';
                k += 3;
                continue;
            }
        }
        if (c == u',')
            expression += u'.';
        else if (c == u'©')
            expression += u"2&";
        else if (c == u'Â')
            expression += u"^2";
        else
            expression += c;
        previous = c;
    }
    return expression;
}

QString Calculator::resultText(QStringView typed)
{
    const QString result = ExpressionEvaluator::Evaluate(convertTypedText(typed), true);
    return result == ExpressionEvaluator::InfiniteText ? InfiniteGlyph : result;
}

std::optional<QString> Calculator::notesAfterEnter(QStringView typed, const QString& notes)
{
    if (typed.isEmpty())
        return std::nullopt;
    const QString line = typed.toString() + u'=' + resultText(typed);
    return notes.isEmpty() ? line : notes + NotesLineBreak + line;
}

} // namespace orbeta
