// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/calculator/ExpressionEvaluator.h"

#include <QLocale>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orbeta {

const QString ExpressionEvaluator::InfiniteText = QStringLiteral("1E+300");
const QString ExpressionEvaluator::UnbalancedText = QStringLiteral("(( )?");

namespace {

constexpr double kPi = 3.14159265358979;
constexpr double kDegreeFactor = 180.0 / kPi;
// Computing with the infinite sentinel uses this stand-in value instead.
constexpr double kInfiniteOperand = 99999999999999999999.0;
// From 2^53 on every double is a whole number and has no decimals to round.
constexpr double kWholeFrom = 9007199254740992.0;

enum class Function { Abs, Atn, Cos, Exp, Fix, Int, Log, Sgn, Sin, Sqr, Tan, Asn, Acs };

struct NamedFunction {
    std::string_view name;
    Function function;
};

constexpr std::array<NamedFunction, 13> kFunctions = {{
    {"ABS", Function::Abs}, {"ATN", Function::Atn}, {"COS", Function::Cos}, {"EXP", Function::Exp},
    {"FIX", Function::Fix}, {"INT", Function::Int}, {"LOG", Function::Log}, {"SGN", Function::Sgn},
    {"SIN", Function::Sin}, {"SQR", Function::Sqr}, {"TAN", Function::Tan}, {"ASN", Function::Asn},
    {"ACS", Function::Acs},
}};

// An entry of the pending stack: an open bracket (possibly a function's), a
// sign, or a binary operator waiting for its right operand.
enum class Pending : std::uint8_t {
    Bracket, FunctionBracket, Negate,
    Power, Root, Multiply, Divide, Remainder, WholeQuotient, Add, Subtract,
};

struct PendingEntry {
    Pending kind;
    Function function = Function::Abs;  // for FunctionBracket
};

int precedence(Pending kind)
{
    switch (kind) {
    case Pending::Power:
    case Pending::Root:
        return 4;
    case Pending::Negate:
        return 3;
    case Pending::Multiply:
    case Pending::Divide:
    case Pending::Remainder:
    case Pending::WholeQuotient:
        return 2;
    case Pending::Add:
    case Pending::Subtract:
        return 1;
    case Pending::Bracket:
    case Pending::FunctionBracket:
        break;
    }
    return 0;
}

std::optional<Pending> binaryOperator(QChar c)
{
    switch (c.unicode()) {
    case '^': return Pending::Power;
    case '&': return Pending::Root;
    case '*': return Pending::Multiply;
    case '/': return Pending::Divide;
    case '\\': return Pending::Remainder;
    case '|': return Pending::WholeQuotient;
    case '+': return Pending::Add;
    case '-': return Pending::Subtract;
    default: return std::nullopt;
    }
}

struct Value {
    double number = 0.0;
    bool infinite = false;

    double operand() const { return infinite ? kInfiniteOperand : number; }
};

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool isLetter(QChar c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }

// Round half to even on the exact binary value.
double roundDecimals(double x, int decimals)
{
    if (!(std::fabs(x) < kWholeFrom))
        return x;
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, decimals);
    double rounded = x;
    std::from_chars(buffer, written.ptr, rounded);
    return rounded;
}

// Whether a number text too far from 1 for a double is tiny rather than huge:
// the decimal exponent of its first significant digit is negative.
bool underflows(std::string_view number)
{
    const std::size_t exponentAt = number.find_first_of("Ee");
    const std::string_view mantissa = number.substr(0, exponentAt);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos)
        return true;
    std::int64_t exponent = first < point ? std::int64_t(point - first) - 1 : -std::int64_t(first - point);
    if (exponentAt != std::string_view::npos) {
        std::string_view digits = number.substr(exponentAt + 1);
        const bool negative = !digits.empty() && digits.front() == '-';
        if (!digits.empty() && (digits.front() == '-' || digits.front() == '+'))
            digits.remove_prefix(1);
        std::int64_t value = 0;
        for (const char d : digits)
            value = std::min<std::int64_t>(value * 10 + (d - '0'), 1'000'000'000'000);
        exponent += negative ? -value : value;
    }
    return exponent < 0;
}

// Reads the number starting at `pos` (digits with at most one point, then an
// optional exponent) and moves `pos` past it. Fails on a lone point and on a
// value too large for a double; a value too small for one is 0.
std::optional<double> readNumber(const QString& text, qsizetype& pos)
{
    const qsizetype n = text.size();
    std::string token;
    bool anyDigit = false;
    while (pos < n && isDigit(text[pos])) {
        token.push_back(char(text[pos++].unicode()));
        anyDigit = true;
    }
    if (pos < n && text[pos] == u'.') {
        token.push_back('.');
        ++pos;
        while (pos < n && isDigit(text[pos])) {
            token.push_back(char(text[pos++].unicode()));
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    if (pos < n && (text[pos] == u'E' || text[pos] == u'e')) {
        qsizetype digitAt = pos + 1;
        if (digitAt < n && (text[digitAt] == u'+' || text[digitAt] == u'-'))
            ++digitAt;
        if (digitAt < n && isDigit(text[digitAt])) {
            token.push_back('E');
            for (++pos; pos < n && (pos < digitAt || isDigit(text[pos])); ++pos)
                token.push_back(char(text[pos].unicode()));
        }
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (error == std::errc::result_out_of_range)
        return underflows(token) ? std::optional<double>(0.0) : std::nullopt;
    if (error != std::errc() || end != token.data() + token.size())
        return std::nullopt;
    return value;
}

std::optional<Function> readFunction(const QString& text, qsizetype& pos)
{
    std::string name;
    while (pos < text.size() && isLetter(text[pos]))
        name.push_back(char(text[pos++].toUpper().unicode()));
    for (const NamedFunction& named : kFunctions)
        if (named.name == name)
            return named.function;
    return std::nullopt;
}

std::optional<double> finite(double x)
{
    return std::isfinite(x) ? std::optional<double>(x) : std::nullopt;
}

std::optional<double> applyBinary(Pending kind, double a, double b)
{
    switch (kind) {
    case Pending::Power:
        return finite(std::pow(a, b));
    case Pending::Root:
        if (a == 0.0)
            return std::nullopt;
        return finite(std::pow(b, 1.0 / a));
    case Pending::Multiply:
        return finite(a * b);
    case Pending::Divide: {
        if (b == 0.0)
            return std::nullopt;
        const auto quotient = finite(a / b);
        return quotient ? std::optional<double>(roundDecimals(*quotient, 8)) : std::nullopt;
    }
    case Pending::Remainder: {
        const double divisor = std::nearbyint(b);
        if (divisor == 0.0)
            return std::nullopt;
        return finite(std::fmod(std::nearbyint(a), divisor));
    }
    case Pending::WholeQuotient:
        if (b == 0.0)
            return std::nullopt;
        return finite(std::floor(a / b));
    case Pending::Add:
        return finite(a + b);
    case Pending::Subtract:
        return finite(a - b);
    case Pending::Bracket:
    case Pending::FunctionBracket:
    case Pending::Negate:
        break;
    }
    return std::nullopt;
}

std::optional<Value> applyFunction(Function function, double x)
{
    switch (function) {
    case Function::Abs:
        return Value{std::fabs(x)};
    case Function::Atn:
        return Value{std::atan(x) * kDegreeFactor};
    case Function::Cos:
        return Value{std::cos(x / kDegreeFactor)};
    case Function::Exp:
        if (const auto e = finite(std::exp(x)))
            return Value{*e};
        return std::nullopt;
    case Function::Fix:
        return Value{std::trunc(x)};
    case Function::Int:
        return Value{std::floor(x)};
    case Function::Log:
        if (x <= 0.0)
            return std::nullopt;
        return Value{std::log(x)};
    case Function::Sgn:
        return Value{double((x > 0.0) - (x < 0.0))};
    case Function::Sin:
        return Value{std::sin(x / kDegreeFactor)};
    case Function::Sqr:
        if (x < 0.0)
            return std::nullopt;
        return Value{std::sqrt(x)};
    case Function::Tan: {
        const double quarterTurns = x / 90.0;
        if (quarterTurns == std::trunc(quarterTurns) && std::fmod(quarterTurns, 2.0) != 0.0)
            return Value{0.0, true};
        return Value{std::tan(x / kDegreeFactor)};
    }
    case Function::Asn:
        if (std::fabs(x) > 1.0)
            return std::nullopt;
        return Value{std::asin(x) * kDegreeFactor};
    case Function::Acs:
        if (std::fabs(x) > 1.0)
            return std::nullopt;
        return Value{std::acos(x) * kDegreeFactor};
    }
    return std::nullopt;
}

bool bracketsBalance(const QString& text)
{
    qsizetype depth = 0;
    for (const QChar c : text) {
        if (c == u'(')
            ++depth;
        else if (c == u')' && --depth < 0)
            return false;
    }
    return depth == 0;
}

// Operator-precedence evaluation with explicit stacks: no recursion, one pass.
class Machine {
public:
    void push(double number) { values.push_back(Value{number}); }

    void open(PendingEntry entry) { pending.push_back(entry); }

    bool binary(Pending kind)
    {
        while (!pending.empty() && precedence(pending.back().kind) >= precedence(kind))
            if (!reduce())
                return false;
        pending.push_back(PendingEntry{kind});
        return true;
    }

    // A ")" whose "(" is known to be pending.
    bool close()
    {
        while (precedence(pending.back().kind) > 0)
            if (!reduce())
                return false;
        const PendingEntry bracket = pending.back();
        pending.pop_back();
        if (bracket.kind != Pending::FunctionBracket)
            return true;
        const auto result = applyFunction(bracket.function, values.back().operand());
        if (!result || !std::isfinite(result->number))
            return false;
        values.back() = *result;
        return true;
    }

    std::optional<Value> finish()
    {
        while (!pending.empty())
            if (precedence(pending.back().kind) == 0 || !reduce())
                return std::nullopt;
        if (values.size() != 1)
            return std::nullopt;
        return values.back();
    }

private:
    bool reduce()
    {
        const Pending kind = pending.back().kind;
        pending.pop_back();
        if (kind == Pending::Negate) {
            values.back() = Value{-values.back().operand()};
            return true;
        }
        const double b = values.back().operand();
        values.pop_back();
        const auto result = applyBinary(kind, values.back().operand(), b);
        if (!result)
            return false;
        values.back() = Value{*result};
        return true;
    }

    std::vector<Value> values;
    std::vector<PendingEntry> pending;
};

} // namespace

Evaluation ExpressionEvaluator::valueOf(QStringView expression)
{
    QString text;
    text.reserve(expression.size());
    for (const QChar c : expression)
        if (c != u' ')
            text.append(c);
    if (!bracketsBalance(text))
        return Evaluation{EvaluationOutcome::UnbalancedBrackets};

    const Evaluation failure{EvaluationOutcome::Failure};
    Machine machine;
    bool expectOperand = true;
    qsizetype pos = 0;
    while (pos < text.size()) {
        const QChar c = text[pos];
        if (expectOperand) {
            if (c == u'-') {
                machine.open(PendingEntry{Pending::Negate});
                ++pos;
            } else if (c == u'+') {
                ++pos;
            } else if (c == u'(') {
                machine.open(PendingEntry{Pending::Bracket});
                ++pos;
            } else if (isDigit(c) || c == u'.') {
                const auto number = readNumber(text, pos);
                if (!number)
                    return failure;
                machine.push(*number);
                expectOperand = false;
            } else if (isLetter(c)) {
                const auto function = readFunction(text, pos);
                if (!function || pos >= text.size() || text[pos] != u'(')
                    return failure;
                machine.open(PendingEntry{Pending::FunctionBracket, *function});
                ++pos;
            } else {
                return failure;
            }
        } else if (c == u')') {
            if (!machine.close())
                return failure;
            ++pos;
        } else if (const auto kind = binaryOperator(c)) {
            if (!machine.binary(*kind))
                return failure;
            expectOperand = true;
            ++pos;
        } else {
            return failure;
        }
    }
    if (expectOperand)
        return failure;
    const auto result = machine.finish();
    if (!result)
        return failure;
    if (result->infinite)
        return Evaluation{EvaluationOutcome::Infinite};
    return Evaluation{EvaluationOutcome::Number, result->number};
}

QString ExpressionEvaluator::Evaluate(QStringView expression, bool threeDecimals)
{
    const Evaluation result = valueOf(expression);
    switch (result.outcome) {
    case EvaluationOutcome::Number:
        return formatNumber(result.value, threeDecimals);
    case EvaluationOutcome::Infinite:
        return InfiniteText;
    case EvaluationOutcome::UnbalancedBrackets:
        return UnbalancedText;
    case EvaluationOutcome::Failure:
        break;
    }
    return QString();
}

// Rounded to 4 decimals (half to even); then a whole number shows no
// decimals, any other exactly three (the fourth rounds half away from zero)
// or, without threeDecimals, its four decimals less trailing zeros. No sign
// is shown on a value that shows as zero.
QString ExpressionEvaluator::formatNumber(double value, bool threeDecimals)
{
    if (!(std::fabs(value) < kWholeFrom))
        return QString::number(value, 'f', QLocale::FloatingPointShortest);

    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 4);
    std::string_view text(buffer, std::size_t(written.ptr - buffer));
    const bool negative = text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    const std::size_t point = text.find('.');
    std::string whole(text.substr(0, point));
    std::string fraction(text.substr(point + 1));

    if (fraction == "0000")
        return QString::fromLatin1(negative && whole != "0" ? "-" + whole : whole);
    if (!threeDecimals) {
        fraction.erase(fraction.find_last_not_of('0') + 1);
    } else {
        std::string digits = whole + fraction.substr(0, 3);
        if (fraction[3] >= '5') {
            std::size_t k = digits.size();
            while (k > 0 && digits[k - 1] == '9')
                digits[--k] = '0';
            if (k == 0)
                digits.insert(digits.begin(), '1');
            else
                ++digits[k - 1];
        }
        whole = digits.substr(0, digits.size() - 3);
        fraction = digits.substr(digits.size() - 3);
    }
    const bool showsZero = whole.find_first_not_of('0') == std::string::npos
                           && fraction.find_first_not_of('0') == std::string::npos;
    return QString::fromLatin1((negative && !showsZero ? "-" : "") + whole + "," + fraction);
}

} // namespace orbeta
