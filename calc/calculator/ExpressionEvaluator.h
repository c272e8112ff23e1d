// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringView>

namespace orbeta {

// What an expression came to.
enum class EvaluationOutcome {
    Number,              // a finite value
    Infinite,            // TAN of an odd multiple of 90 degrees
    UnbalancedBrackets,  // reported before anything else is looked at
    Failure,             // bad syntax, division by zero, a value outside a function's domain, overflow
};

struct Evaluation {
    EvaluationOutcome outcome = EvaluationOutcome::Failure;
    double value = 0.0;  // meaningful for Number only
};

// The calculator's expression evaluator.
//
// Numbers use "." as the decimal point (the calculator converts the pupil's
// comma before evaluating) and may carry an exponent ("1E+20"). Operators,
// strongest first, each level from left to right:
//   "^" power, "&" root (a&b is the a-th root of b);
//   a sign ("-" or "+" at the start, after "(" or after an operator);
//   "*", "/" (quotient rounded to 8 decimals), "\" (remainder of the whole
//   numbers nearest to a and b), "|" (quotient rounded down);
//   "+", "-".
// Functions of three letters take a bracketed argument, angles in degrees:
// ABS ATN COS EXP FIX INT LOG SGN SIN SQR TAN ASN ACS.
//
// Evaluation is iterative and linear in the length of the text, so any depth
// of brackets and any length of input is safe.
class ExpressionEvaluator {
public:
    // The result text of the infinite sentinel and of unbalanced brackets.
    static const QString InfiniteText;
    static const QString UnbalancedText;

    // What the expression comes to, as a number or the reason it has none.
    static Evaluation valueOf(QStringView expression);

    // The calculator's `Evaluate`: the result as text, a number rounded to 4
    // decimals with a decimal comma, InfiniteText, UnbalancedText, or "" for
    // a failure. With threeDecimals, a number that is not whole shows exactly
    // three decimals.
    static QString Evaluate(QStringView expression, bool threeDecimals);

    static QString formatNumber(double value, bool threeDecimals);
};

} // namespace orbeta
