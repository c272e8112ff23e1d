#include "calc/CalculatorKeyFilter.h"

#include <gtest/gtest.h>

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

TEST(CalculatorKeyFilter, EnterAndEqualsEvaluateWithoutTyping)
{
    for (const QChar key : {QChar(CalculatorKeyFilter::kEnter), QChar(u'=')}) {
        const auto result = CalculatorKeyFilter::press(at("2+2", 3), key);
        EXPECT_EQ(result.action, CalculatorKeyAction::Evaluate);
        EXPECT_EQ(result.input, at("2+2", 3));
    }
}

TEST(CalculatorKeyFilter, TypesAllowedKeysAtTheCaret)
{
    for (const QChar key : QStringLiteral("0123456789+-*/,()")) {
        const auto result = CalculatorKeyFilter::press(at("12", 1), key);
        EXPECT_EQ(result.action, CalculatorKeyAction::Accepted) << int(key.unicode());
        EXPECT_EQ(result.input, (CalculatorInput{QStringLiteral("1") + key + u'2', 2, 2, 0}));
    }
}

TEST(CalculatorKeyFilter, PointBecomesComma)
{
    EXPECT_EQ(CalculatorKeyFilter::press(at("3", 1), u'.').input, at("3,", 2));
}

TEST(CalculatorKeyFilter, DiscardsEverythingElse)
{
    for (const QChar key : QStringLiteral("aE ^&\\|©Â´x\t\r\n")) {
        if (key == QChar(CalculatorKeyFilter::kEnter))
            continue;
        const auto result = CalculatorKeyFilter::press(at("12", 1), key);
        EXPECT_EQ(result.action, CalculatorKeyAction::Discarded) << int(key.unicode());
        EXPECT_EQ(result.input, at("12", 1));
    }
}

TEST(CalculatorKeyFilter, BackspaceErasesBeforeCaretOrSelection)
{
    EXPECT_EQ(CalculatorKeyFilter::press(at("123", 2), QChar(CalculatorKeyFilter::kBackspace)).input, at("13", 1));
    EXPECT_EQ(CalculatorKeyFilter::press(at("123", 0), QChar(CalculatorKeyFilter::kBackspace)).input, at("123", 0));
    const CalculatorInput selected{QStringLiteral("12345"), 4, 1, 3};
    EXPECT_EQ(CalculatorKeyFilter::press(selected, QChar(CalculatorKeyFilter::kBackspace)).input, at("15", 1));
}

TEST(CalculatorKeyFilter, TypingReplacesSelection)
{
    const CalculatorInput selected{QStringLiteral("12345"), 4, 1, 3};
    EXPECT_EQ(CalculatorKeyFilter::press(selected, u'7').input, at("175", 2));
}

TEST(CalculatorKeyFilter, StalePositionsArePulledIntoTheText)
{
    EXPECT_EQ(CalculatorKeyFilter::press(at("12", 9), u'3').input, at("123", 3));
    EXPECT_EQ(CalculatorKeyFilter::press(CalculatorInput{QStringLiteral("12"), -4, 1, 50}, u'3').input, at("13", 2));
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
