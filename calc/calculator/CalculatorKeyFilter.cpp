// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/calculator/CalculatorKeyFilter.h"

#include <algorithm>

namespace orbeta {
namespace {

// Positions outside the text (a stale caret) are pulled back into it.
CalculatorInput clamped(const CalculatorInput& input)
{
    CalculatorInput result = input;
    const qsizetype size = input.text.size();
    result.caret = std::clamp<qsizetype>(input.caret, 0, size);
    result.selectionStart = std::clamp<qsizetype>(input.selectionStart, 0, size);
    result.selectionLength = std::clamp<qsizetype>(input.selectionLength, 0, size - result.selectionStart);
    return result;
}

CalculatorInput typed(const CalculatorInput& input, QChar c)
{
    CalculatorInput result = clamped(input);
    if (result.selectionLength > 0) {
        result.text.replace(result.selectionStart, result.selectionLength, c);
        result.caret = result.selectionStart + 1;
    } else {
        result.text.insert(result.caret, c);
        ++result.caret;
    }
    result.selectionStart = result.caret;
    result.selectionLength = 0;
    return result;
}

CalculatorInput erased(const CalculatorInput& input)
{
    CalculatorInput result = clamped(input);
    if (result.selectionLength > 0) {
        result.text.remove(result.selectionStart, result.selectionLength);
        result.caret = result.selectionStart;
    } else if (result.caret > 0) {
        result.text.remove(--result.caret, 1);
    }
    result.selectionStart = result.caret;
    result.selectionLength = 0;
    return result;
}

bool passes(QChar c)
{
    return (c >= u'0' && c <= u'9') || QStringView(u"+-*/,()").contains(c);
}

} // namespace

CalculatorKeyResult CalculatorKeyFilter::press(const CalculatorInput& input, QChar key)
{
    if (key == QChar(kEnter) || key == u'=')
        return {CalculatorKeyAction::Evaluate, input};
    if (key == u'.')
        key = u',';
    if (key == QChar(kBackspace))
        return {CalculatorKeyAction::Accepted, erased(input)};
    if (!passes(key))
        return {CalculatorKeyAction::Discarded, input};
    return {CalculatorKeyAction::Accepted, typed(input, key)};
}

CalculatorInput CalculatorKeyFilter::pressButton(const CalculatorInput& input, CalculatorButton button)
{
    switch (button) {
    case CalculatorButton::Plus:
        return typed(input, u'+');
    case CalculatorButton::Minus:
        return typed(input, u'-');
    case CalculatorButton::Times:
        return typed(input, u'*');
    case CalculatorButton::Divide:
        return typed(input, u'/');
    case CalculatorButton::Clear:
        break;
    }
    return CalculatorInput{};
}

} // namespace orbeta
