// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/basics/NumberText.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <string>

namespace orbeta {
namespace {

QStringView trimmedBlanks(QStringView text)
{
    while (!text.isEmpty() && text.front() == QLatin1Char(' '))
        text = text.mid(1);
    while (!text.isEmpty() && text.back() == QLatin1Char(' '))
        text.chop(1);
    return text;
}

QString withComma(QString text)
{
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

} // namespace

double RoundHalfEven(double x, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    // nearbyint rounds halfway cases to even in the default rounding mode.
    return std::nearbyint(x * scale) / scale;
}

QString FormatFixed(double x, int decimals)
{
    QString text = withComma(QString::number(x, 'f', decimals));
    // A negative value that rounds to zero shows as zero, not "-0,0".
    if (text.startsWith(QLatin1Char('-'))
        && std::none_of(text.cbegin(), text.cend(),
                        [](QChar c) { return c >= QLatin1Char('1') && c <= QLatin1Char('9'); }))
        text.remove(0, 1);
    return text;
}

QString GroupThousands(const QString& number)
{
    qsizetype start = 0;
    while (start < number.size() && !number[start].isDigit())
        ++start;
    qsizetype end = start;
    while (end < number.size() && number[end].isDigit())
        ++end;
    QString grouped = number;
    if (end - start < 4)
        return grouped;
    for (qsizetype at = end - 3; at > start; at -= 3)
        grouped.insert(at, QChar(0x00A0));
    return grouped;
}

QString PlainNumber(int x)
{
    return x < 0 ? QString::number(x) : QLatin1Char(' ') + QString::number(x);
}

QString PlainNumber(float x)
{
    const QString digits = withComma(QString::number(static_cast<double>(x), 'g', 7));
    return x < 0 ? digits : QLatin1Char(' ') + digits;
}

std::optional<float> ParseSingle(QStringView text)
{
    text = trimmedBlanks(text);
    std::string ascii;
    ascii.reserve(static_cast<std::size_t>(text.size()));
    qsizetype i = 0;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        if (text[i] == QLatin1Char('-'))
            ascii.push_back('-');
        ++i;
    }
    bool digit = false;
    bool comma = false;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            ascii.push_back(static_cast<char>(c.unicode()));
            digit = true;
        } else if (c == QLatin1Char(',') && !comma) {
            ascii.push_back('.');
            comma = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digit)
        return std::nullopt;
    double value = 0.0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too small for a double is zero; too large is no number.
        const auto firstNonZero = ascii.find_first_not_of("-0");
        if (firstNonZero != std::string::npos && ascii[firstNonZero] != '.')
            return std::nullopt;
        return 0.0f;
    }
    if (error != std::errc() || end != ascii.data() + ascii.size() || std::fabs(value) > FLT_MAX)
        return std::nullopt;
    return static_cast<float>(value);
}

std::optional<int> ParseWhole(QStringView text)
{
    text = trimmedBlanks(text);
    bool negative = false;
    if (!text.isEmpty() && (text.front() == QLatin1Char('+') || text.front() == QLatin1Char('-'))) {
        negative = text.front() == QLatin1Char('-');
        text = text.mid(1);
    }
    if (text.isEmpty() || text.size() > 9)
        return std::nullopt;
    int value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return negative ? -value : value;
}

} // namespace orbeta
