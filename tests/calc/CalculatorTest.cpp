// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/calculator/Calculator.h"
#include "calc/calculator/ExpressionEvaluator.h"

#include <gtest/gtest.h>

#include <string>

using orbeta::Calculator;
using orbeta::ExpressionEvaluator;

namespace {

// One typed text and what the calculator writes after "=" for it.
struct Case {
    const char* name;
    const char* typed;
    const char* shown;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.typed; }

class CalculatorCase : public testing::TestWithParam<Case> {};

TEST_P(CalculatorCase, ShowsResult)
{
    EXPECT_EQ(Calculator::resultText(QString::fromUtf8(GetParam().typed)), QString::fromUtf8(GetParam().shown));
}

std::string caseName(const testing::TestParamInfo<Case>& info) { return info.param.name; }

// The display: whole numbers bare, others with three decimals after a
// decimal comma, both after rounding to four decimals.
const Case Display[] = {
    {"WholeQuotient", "6/3", "2"},
    {"OneThird", "1/3", "0,333"},
    {"Half", "7/2", "3,500"},
    {"LeadingComma", ",5*3", "1,500"},
    {"FourthDecimalRoundsUp", "0,0005", "0,001"},
    {"RoundsToWholeAtFourDecimals", "1,00004", "1"},
    {"ThreeDecimalsOfAlmostWhole", "2,9996", "3,000"},
    {"NinesCarryIntoANewDigit", "9,9996", "10,000"},
    {"TinyNegativeShowsPlainZero", "0-0,00001", "0"},
    {"TinyNegativeFractionHasNoSign", "0-0,0004", "0,000"},
    {"EightDigitsKeepDoublePrecision", "99999999", "99999999"},
    {"NegativeFraction", "0-1/8", "-0,125"},
    {"HugeWholeNumber", "10^20", "100000000000000000000"},
};
INSTANTIATE_TEST_SUITE_P(Display, CalculatorCase, testing::ValuesIn(Display), caseName);

// School order: "^" "&", then the sign, then "*" "/" "\" "|", then "+" "-",
// each level from left to right.
const Case Precedence[] = {
    {"TimesBeforePlus", "2+3*4", "14"},
    {"DivideAndTimesLeftToRight", "8/2*4", "16"},
    {"MinusAndPlusLeftToRight", "10-2+3", "11"},
    {"LeadingSign", "-5+2", "-3"},
    {"BracketsFirst", "(0-3)*2", "-6"},
    {"SignAfterBracket", "(-3)*2", "-6"},
    {"SignAfterOperator", "2*-3", "-6"},
    {"SignAfterMinus", "2--3", "5"},
    {"PlusSign", "+5*+2", "10"},
    {"PowerBeforeSign", "-2^2", "-4"},
    {"PowerBeforeTimes", "2*3^2", "18"},
    {"PowerLeftToRight", "2^3^2", "64"},
    {"NegativeExponent", "2^-2", "0,250"},
    {"RemainderAtTimesLevel", "2+7\\3*2", "4"},
    {"NestedBrackets", "((2+3)*(4-1))/5", "3"},
};
INSTANTIATE_TEST_SUITE_P(Precedence, CalculatorCase, testing::ValuesIn(Precedence), caseName);

const Case Operators[] = {
    {"DivisionRoundsToEightDecimals", "1/3*300000000", "99999999"},
    {"DivisionByOne", "7/1", "7"},
    {"DivisionByZeroFails", "5/0", ""},
    {"DivisionByZeroInsideFails", "1+(2/(1-1))", ""},
    {"Root", "3&8", "2"},
    {"RootOfZeroOrderFails", "0&8", ""},
    {"Remainder", "7\\3", "1"},
    {"RemainderKeepsSignOfDividend", "-7\\2", "-1"},
    {"RemainderRoundsOperandsHalfToEven", "7,5\\3", "2"},
    {"RemainderByZeroFails", "5\\0,4", ""},
    {"QuotientRoundedDown", "7|2", "3"},
    {"NegativeQuotientRoundedDown", "-7|2", "-4"},
    {"QuotientByZeroFails", "7|0", ""},
    {"NegativeBaseFractionalPowerFails", "(0-8)^0,5", ""},
    {"ZeroToNegativePowerFails", "0^-1", ""},
    {"OverflowFails", "10^200*10^200", ""},
};
INSTANTIATE_TEST_SUITE_P(Operators, CalculatorCase, testing::ValuesIn(Operators), caseName);

// Typed text conversion before evaluation.
const Case Conversion[] = {
    {"PiWithPoint", "3.14*2", "6,283"},
    {"PiAlone", "3,14", "3,142"},
    {"PiInBrackets", "(3,14)", "3,142"},
    {"PiSquared", "3,14Â", "9,870"},
    {"NotPiAfterComma", "0,3,14", ""},
    {"SquareRootSign", "©9", "3"},
    {"SquareSign", "3Â", "9"},
    {"EqualsSignDropped", "2+2=", "4"},
    {"BlanksDropped", " 1 2 + 1 ", "13"},
};
INSTANTIATE_TEST_SUITE_P(Conversion, CalculatorCase, testing::ValuesIn(Conversion), caseName);

// Functions of three letters, in degrees, upper or lower case.
const Case Functions[] = {
    {"Sine", "SIN(30)", "0,500"},
    {"Cosine", "COS(60)", "0,500"},
    {"Tangent", "TAN(45)", "1"},
    {"TangentOfStraightAngle", "TAN(180)", "0"},
    {"TangentOfRightAngleIsInfinite", "TAN(90)", "´"},
    {"TangentOfNegativeOddRightAngles", "TAN(-810)", "´"},
    {"TangentBeyond810", "TAN(990)", "´"},
    {"InfiniteInBrackets", "(TAN(270))", "´"},
    {"InfiniteInArithmeticIsStandIn", "1/TAN(90)", "0"},
    {"ArcTangent", "ATN(1)", "45"},
    {"ArcSineOfOne", "ASN(1)", "90"},
    {"ArcSineOfMinusOne", "ASN(-1)", "-90"},
    {"ArcSineOfHalf", "ASN(0,5)", "30"},
    {"ArcSineBeyondOneFails", "ASN(1,5)", ""},
    {"ArcCosineOfMinusOne", "ACS(-1)", "180"},
    {"ArcCosineOfOne", "ACS(1)", "0"},
    {"ArcCosineOfHalf", "ACS(0,5)", "60"},
    {"ArcCosineBeyondOneFails", "ACS(2)", ""},
    {"Exponential", "EXP(1)", "2,718"},
    {"ExponentialOverflowFails", "EXP(1000)", ""},
    {"Logarithm", "LOG(EXP(2))", "2"},
    {"LogarithmOfZeroFails", "LOG(0)", ""},
    {"SquareRoot", "SQR(16)", "4"},
    {"SquareRootOfNegativeFails", "SQR(-1)", ""},
    {"Absolute", "ABS(-2,5)", "2,500"},
    {"FixCutsTowardsZero", "FIX(-2,7)", "-2"},
    {"IntRoundsDown", "INT(-2,7)", "-3"},
    {"Sign", "SGN(-4)+SGN(0)", "-1"},
    {"LowerCaseName", "sin(30)*2", "1"},
    {"FunctionOfExpression", "SQR(3*3+4*4)", "5"},
    {"UnknownNameFails", "ABC(1)", ""},
    {"NameGluedToLettersFails", "XSIN(30)", ""},
    {"NameWithoutBracketFails", "SIN30", ""},
};
INSTANTIATE_TEST_SUITE_P(Functions, CalculatorCase, testing::ValuesIn(Functions), caseName);

// Texts that are no expression fail quietly; only unbalanced brackets have a
// message of their own.
const Case Malformed[] = {
    {"OpenBracketOnly", "(2+3", "(( )?"},
    {"CloseBracketOnly", "2+3)", "(( )?"},
    {"CloseBeforeOpen", ")2(", "(( )?"},
    {"BracketsBeforeOtherFaults", "(x", "(( )?"},
    {"LonePlus", "+", ""},
    {"LoneMinus", "-", ""},
    {"LoneComma", ",", ""},
    {"TrailingOperator", "5+", ""},
    {"LeadingTimes", "*5", ""},
    {"DoubleTimes", "2**3", ""},
    {"EmptyBrackets", "()", ""},
    {"NumberBeforeBracket", "2(3)", ""},
    {"BracketsSideBySide", "(2)(3)", ""},
    {"TwoCommas", "3,,4", ""},
    {"UnknownCharacter", "2#3", ""},
    {"Letters", "abc", ""},
    {"NonLatinCharacter", "2×3", ""},
    {"ControlCharacter", "2\t+3", ""},
    {"OnlyBlanks", "   ", ""},
};
INSTANTIATE_TEST_SUITE_P(Malformed, CalculatorCase, testing::ValuesIn(Malformed), caseName);

TEST(Calculator, EnterLogsTypedTextAndResult)
{
    EXPECT_EQ(Calculator::notesAfterEnter(u"3,14*2", QString()), QStringLiteral("3,14*2=6,283"));
    EXPECT_EQ(Calculator::notesAfterEnter(u"2*(3", QStringLiteral("1+1=2")), QStringLiteral("1+1=2\n2*(3=(( )?"));
    EXPECT_EQ(Calculator::notesAfterEnter(u"5/0", QStringLiteral("x")), QStringLiteral("x\n5/0="));
    EXPECT_EQ(Calculator::notesAfterEnter(u"", QStringLiteral("x")), std::nullopt);
}

TEST(Calculator, ConvertsOnlyStandalonePi)
{
    EXPECT_EQ(Calculator::convertTypedText(u"3,14+13,14+3,145=©Â"), QStringLiteral("3.141592654+13.14+3.1452&^2"));
}

TEST(ExpressionEvaluator, WithoutThreeDecimalsShowsUpToFour)
{
    EXPECT_EQ(ExpressionEvaluator::Evaluate(u"1/3", false), QStringLiteral("0,3333"));
    EXPECT_EQ(ExpressionEvaluator::Evaluate(u"7/2", false), QStringLiteral("3,5"));
    EXPECT_EQ(ExpressionEvaluator::Evaluate(u"6/3", false), QStringLiteral("2"));
    EXPECT_EQ(ExpressionEvaluator::Evaluate(u"1E+20*1E+5", true), QStringLiteral("10000000000000000000000000"));
}

// Hostile inputs end in a result or a quiet failure, in time linear in
// their length and without recursion.
TEST(CalculatorHostile, DeepBrackets)
{
    const int depth = 200000;
    const QString nested = QString(depth, u'(') + u'7' + QString(depth, u')');
    EXPECT_EQ(Calculator::resultText(nested), QStringLiteral("7"));
    EXPECT_EQ(Calculator::resultText(QString(depth, u'(') + u'7'), ExpressionEvaluator::UnbalancedText);
    EXPECT_EQ(Calculator::resultText(QString(depth, u'(') + QString(depth, u')')), QString());

    QString functions;
    for (int i = 0; i < 50000; ++i)
        functions += QStringLiteral("ABS(-");
    functions += u'3' + QString(50000, u')');
    EXPECT_EQ(Calculator::resultText(functions), QStringLiteral("3"));
}

TEST(CalculatorHostile, MegabyteInputs)
{
    const qsizetype megabyte = 1 << 20;
    EXPECT_EQ(Calculator::resultText(QString(megabyte, u'9')), QString());
    EXPECT_EQ(Calculator::resultText(QStringLiteral("0,") + QString(megabyte, u'0') + u'1'), QStringLiteral("0"));
    EXPECT_EQ(Calculator::resultText(QString(megabyte, u'-') + u'5'), QStringLiteral("5"));
    EXPECT_EQ(Calculator::resultText(QString(megabyte, u'+')), QString());
    EXPECT_EQ(Calculator::resultText(QString(megabyte, u'x')), QString());
    EXPECT_EQ(Calculator::resultText(QString(megabyte, u'A') + QStringLiteral("(1)")), QString());
    EXPECT_EQ(Calculator::resultText(QStringLiteral("1+").repeated(megabyte / 2) + u'1'),
              QString::number(megabyte / 2 + 1));
    // pi - 209713 more pi - 0
    EXPECT_EQ(Calculator::resultText(QStringLiteral("3,14-").repeated(megabyte / 5) + u'0'), QStringLiteral("-658832,820"));
}

} // namespace
