// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace orbeta {

// Number rules shared by the generation and the evaluation of the
// calculation examples. Texts use the decimal comma.

// Round(x, d): x rounded to d decimals, a value exactly halfway going to the
// even neighbour.
double RoundHalfEven(double x, int decimals);

// Format(x, "0"), Format(x, "0.0"), ...: fixed decimals, decimal comma.
QString FormatFixed(double x, int decimals);

// A number as the tables print it, for reading rather than typing: the
// whole part in groups of three digits from 1 000 up, joined by no-break
// spaces ("13 546,2"); other text stays as it is.
QString GroupThousands(const QString& number);

// The plain conversion: a leading blank for non-negative values (" 120",
// "-5"), fractions with up to seven significant digits.
QString PlainNumber(int x);
QString PlainNumber(float x);

// A pupil's number as the boxes hold it: optional blanks, an optional sign,
// digits with at most one decimal comma, at least one digit. Anything else
// (an empty box, a lone sign, "-,", "1-2") is no number.
std::optional<float> ParseSingle(QStringView text);

// A whole number with optional blanks and sign, as the time boxes hold it;
// no number when it does not fit nine digits.
std::optional<int> ParseWhole(QStringView text);

} // namespace orbeta
