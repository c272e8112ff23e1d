// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QChar>
#include <QString>

namespace orbeta {

// A box's text and caret after a key press.
struct BoxEdit {
    QString text;
    int caret = 0;

    bool operator==(const BoxEdit&) const = default;
};

// The Backspace key as the key filters receive it.
inline constexpr QChar kBackspace = QChar(8);

// Answer boxes (`TVstup`): digits, "+", "-", one decimal separator and
// Backspace; a typed point becomes the decimal comma. Any other key, and a
// second separator, leaves the box as it is. The key is inserted at the
// caret; Backspace removes the character before it.
BoxEdit FilterAnswerKey(const QString& text, int caret, QChar key);

// Time boxes (`TStart`, `TCil`): digits, "-" and Backspace only.
BoxEdit FilterTimeKey(const QString& text, int caret, QChar key);

enum class BoxKind { Answer, Time };

// The marked part of a box's text.
struct BoxSelection {
    int start = 0;
    int length = 0;
};

// A key on a box with a marked part: the marked text goes first, and
// Backspace then removes nothing more; the key is filtered as the box's
// kind wants at the place where the marked text was.
BoxEdit EditBox(const QString& text, int caret, BoxSelection selection, QChar key, BoxKind kind);

// A box's text however it came (a paste by the middle button, a dropped
// text): what the keys could have typed of it, one character after another,
// the rest left out; the caret stays behind the characters it stood behind.
BoxEdit CleanBox(const QString& text, int caret, BoxKind kind);

} // namespace orbeta
