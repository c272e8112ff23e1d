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

} // namespace orbeta
