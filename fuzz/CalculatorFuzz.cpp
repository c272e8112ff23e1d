// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The pupils' calculator: anything typed gives a result text, never a crash
// or a hang, and the evaluator agrees with its own formatting.
#include "fuzz/FuzzCheck.h"

#include "calc/calculator/Calculator.h"
#include "calc/calculator/ExpressionEvaluator.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orbeta;
    const QString typed = QString::fromUtf8(fuzz::bytesOf(data, size));
    Calculator::resultText(typed);
    Calculator::notesAfterEnter(typed, QStringLiteral("1+1=2"));
    const Evaluation evaluation = ExpressionEvaluator::valueOf(typed);
    fuzz::require(evaluation.outcome != EvaluationOutcome::Number || std::isfinite(evaluation.value),
                  "a number is finite");
    ExpressionEvaluator::Evaluate(typed, true);
    return 0;
}
