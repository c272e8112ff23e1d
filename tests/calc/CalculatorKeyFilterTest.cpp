// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/calculator/CalculatorKeyFilter.h"

#include <gtest/gtest.h>

#include <optional>

using orbeta::CalculatorButton;
using orbeta::CalculatorInput;
using orbeta::CalculatorKeyAction;
using orbeta::CalculatorKeyFilter;

namespace orbeta {
void PrintTo(const CalculatorInput& input, std::ostream* os)
{
    *os << '"' << input.text.toStdString() << "\" caret " << input.caret << " selection " << input.selectionStart
        << '+' << input.selectionLength;
}
} // namespace orbeta

namespace {

CalculatorInput at(const char* text, qsizetype caret)
{
    return CalculatorInput{QString::fromUtf8(text), caret, caret, 0};
}

TEST(CalculatorKeyFilter, NamedCases)
{
    const QChar backspace(CalculatorKeyFilter::kBackspace);
    const CalculatorInput selected{QStringLiteral("12345"), 4, 1, 3};
    struct Case {
        const char* name;
        CalculatorInput before;
        QChar key;
        std::optional<CalculatorKeyAction> action;
        CalculatorInput after;
    };
    const Case cases[] = {
        {"Enter evaluates without typing", at("2+2", 3), QChar(CalculatorKeyFilter::kEnter),
         CalculatorKeyAction::Evaluate, at("2+2", 3)},
        {"equals evaluates without typing", at("2+2", 3), u'=', CalculatorKeyAction::Evaluate, at("2+2", 3)},
        {"point becomes comma", at("3", 1), u'.', CalculatorKeyAction::Accepted, at("3,", 2)},
        {"backspace erases before the caret", at("123", 2), backspace, {}, at("13", 1)},
        {"backspace at the start does nothing", at("123", 0), backspace, {}, at("123", 0)},
        {"backspace erases the selection", selected, backspace, {}, at("15", 1)},
        {"typing replaces the selection", selected, u'7', CalculatorKeyAction::Accepted, at("175", 2)},
        {"caret beyond the text", at("12", 9), u'3', CalculatorKeyAction::Accepted, at("123", 3)},
        {"caret and selection outside the text", CalculatorInput{QStringLiteral("12"), -4, 1, 50}, u'3',
         CalculatorKeyAction::Accepted, at("13", 2)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto result = CalculatorKeyFilter::press(c.before, c.key);
        if (c.action) {
            EXPECT_EQ(result.action, *c.action);
        }
        EXPECT_EQ(result.input, c.after);
    }
}

TEST(CalculatorKeyFilter, TypesAllowedKeysAtTheCaretAndDiscardsEverythingElse)
{
    for (const QChar key : QStringLiteral("0123456789+-*/,()")) {
        const auto result = CalculatorKeyFilter::press(at("12", 1), key);
        EXPECT_EQ(result.action, CalculatorKeyAction::Accepted) << int(key.unicode());
        EXPECT_EQ(result.input, (CalculatorInput{QStringLiteral("1") + key + u'2', 2, 2, 0}));
    }
    for (const QChar key : QStringLiteral("aE ^&\\|©Â´x\t\n")) {
        const auto result = CalculatorKeyFilter::press(at("12", 1), key);
        EXPECT_EQ(result.action, CalculatorKeyAction::Discarded) << int(key.unicode());
        EXPECT_EQ(result.input, at("12", 1));
    }
}

TEST(CalculatorKeyFilter, ButtonsInsertOperatorsAndClear)
{
    EXPECT_EQ(CalculatorKeyFilter::pressButton(at("23", 1), CalculatorButton::Plus), at("2+3", 2));
    EXPECT_EQ(CalculatorKeyFilter::pressButton(at("23", 2), CalculatorButton::Minus), at("23-", 3));
    EXPECT_EQ(CalculatorKeyFilter::pressButton(at("23", 0), CalculatorButton::Times), at("*23", 1));
    const CalculatorInput selected{QStringLiteral("12345"), 4, 1, 3};
    EXPECT_EQ(CalculatorKeyFilter::pressButton(selected, CalculatorButton::Divide), at("1/5", 2));
    EXPECT_EQ(CalculatorKeyFilter::pressButton(at("2+3", 2), CalculatorButton::Clear), at("", 0));
}

} // namespace
