// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace orbeta {

// The calculator beside a calculation example: the input box `TKalkulator`
// and the notes box `TPoznamky` that logs every calculation as a line
// "typed text=result".
class Calculator {
public:
    // Shown in place of the infinite sentinel ("´" draws as ∞ in Sigla).
    static const QString InfiniteGlyph;
    static const QString NotesLineBreak;

    // The typed text as the evaluator reads it: "=" dropped, "," to ".",
    // "©" to "2&" (square root), "Â" to "^2" (square), and "3,14" or "3.14"
    // standing as a number of its own to pi. Blanks are dropped as well.
    static QString convertTypedText(QStringView typed);

    // What follows "=" in the notes: the result with three decimals, "´" for
    // the infinite sentinel, "(( )?" for unbalanced brackets, "" on failure.
    static QString resultText(QStringView typed);

    // The notes after Enter or "=" in the input box, or nothing when the box
    // is empty. The input box is then emptied by the form.
    static std::optional<QString> notesAfterEnter(QStringView typed, const QString& notes);
};

} // namespace orbeta
