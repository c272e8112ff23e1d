// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QChar>
#include <QString>

namespace orbeta {

// The calculator's input box as the key filter sees it. A selection of
// selectionLength characters from selectionStart is replaced by what is typed.
struct CalculatorInput {
    QString text;
    qsizetype caret = 0;
    qsizetype selectionStart = 0;
    qsizetype selectionLength = 0;

    bool operator==(const CalculatorInput&) const = default;
};

enum class CalculatorKeyAction {
    Accepted,   // the key changed the box as given
    Discarded,  // the key is dropped, the box is unchanged
    Evaluate,   // Enter or "=": evaluate the box (Calculator::notesAfterEnter)
};

struct CalculatorKeyResult {
    CalculatorKeyAction action = CalculatorKeyAction::Discarded;
    CalculatorInput input;
};

// The calculator keys `Kalk(1..5)`.
enum class CalculatorButton { Plus = 1, Minus, Times, Divide, Clear };

class CalculatorKeyFilter {
public:
    static constexpr char16_t kEnter = 13;
    static constexpr char16_t kBackspace = 8;

    // One key press in `TKalkulator`: Enter and "=" evaluate, "." becomes
    // ",", only "+-*/,()", the digits and Backspace reach the box.
    static CalculatorKeyResult press(const CalculatorInput& input, QChar key);

    // A press on a calculator key: an operator replaces the selection or goes
    // in at the caret, the caret following it; Clear empties the box.
    static CalculatorInput pressButton(const CalculatorInput& input, CalculatorButton button);
};

} // namespace orbeta
