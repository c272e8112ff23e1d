// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/LeadingNumber.h"

#include <QString>

#include <algorithm>
#include <charconv>
#include <limits>
#include <string>

namespace orbeta {
namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool isSign(QChar c)
{
    return c == QLatin1Char('+') || c == QLatin1Char('-');
}

} // namespace

double LeadingNumber::parse(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && isBlank(text[i]))
        ++i;

    bool negative = false;
    if (i < n && isSign(text[i]))
        negative = text[i++] == QLatin1Char('-');
    std::string integer;
    std::string fraction;
    for (; i < n && isDigit(text[i]); ++i)
        integer += char(text[i].unicode());
    if (i < n && text[i] == QLatin1Char('.'))
        for (++i; i < n && isDigit(text[i]); ++i)
            fraction += char(text[i].unicode());
    if (integer.empty() && fraction.empty())
        return 0.0;

    // An exponent counts only when digits follow it ("5E" is just 5).
    long long exponent = 0;
    if (i < n && QStringLiteral("EeDd").contains(text[i])) {
        qsizetype j = i + 1;
        const bool negativeExponent = j < n && text[j] == QLatin1Char('-');
        if (j < n && isSign(text[j]))
            ++j;
        const qsizetype firstDigit = j;
        for (; j < n && isDigit(text[j]); ++j)
            exponent = std::min(exponent * 10 + (text[j].unicode() - '0'), 1'000'000LL);
        if (j == firstDigit)
            exponent = 0;
        else if (negativeExponent)
            exponent = -exponent;
    }

    const std::string number = (integer.empty() ? std::string("0") : integer) + '.' + fraction + 'e'
                               + std::to_string(exponent);
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Beyond the range of a double: saturate, so that callers only have to
        // range-check. The decimal magnitude tells an overflow from an underflow.
        const auto firstNonZero = integer.find_first_not_of('0');
        const long long magnitude = firstNonZero != std::string::npos
                                        ? static_cast<long long>(integer.size() - firstNonZero) + exponent
                                        : exponent - static_cast<long long>(fraction.find_first_not_of('0'));
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

} // namespace orbeta
