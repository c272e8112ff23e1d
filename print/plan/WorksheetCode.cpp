// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/plan/WorksheetCode.h"

#include <QStringList>

#include <limits>

namespace orbeta::print {
namespace {

constexpr char kDigits[] = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";

std::optional<int> digitValue(QChar c)
{
    char16_t u = c.toUpper().unicode();
    if (u == u'O')
        u = u'0';
    if (u == u'I' || u == u'L')
        u = u'1';
    for (int i = 0; i < 32; ++i)
        if (kDigits[i] == u)
            return i;
    return std::nullopt;
}

QString base32(std::uint64_t value)
{
    QString digits;
    do {
        digits.prepend(QLatin1Char(kDigits[value % 32]));
        value /= 32;
    } while (value != 0);
    return digits;
}

// A weighted sum, so that a changed or swapped character shows.
QChar checkCharacter(QStringView body)
{
    std::uint32_t sum = 0;
    for (qsizetype i = 0; i < body.size(); ++i)
        sum += std::uint32_t(i + 1) * body.at(i).toUpper().unicode();
    return QLatin1Char(kDigits[sum % 32]);
}

// Joined, not through chained arg(): a task read from a typed code may itself
// hold "%1", which a second arg() would replace.
QString codeBody(const QString& task, int count, std::uint64_t seed)
{
    return task + QLatin1Char('-') + QString::number(count) + QLatin1Char('-') + base32(seed);
}

} // namespace

QString WorksheetCode::text() const
{
    const QString body = codeBody(task, count, seed);
    return body + checkCharacter(body);
}

std::optional<WorksheetCode> WorksheetCode::parse(QStringView text)
{
    const QString trimmed = text.trimmed().toString();
    const QStringList parts = trimmed.split(QLatin1Char('-'));
    if (parts.size() != 3 || parts[0].size() != 2 || parts[2].size() < 2 || parts[2].size() > 14)
        return std::nullopt;
    WorksheetCode code;
    code.task = parts[0].toLower();
    bool ok = false;
    code.count = parts[1].toInt(&ok);
    if (!ok || parts[1].size() > 3 || code.count < 1)
        return std::nullopt;
    const QString seedText = parts[2].left(parts[2].size() - 1);
    std::uint64_t seed = 0;
    for (QChar c : seedText) {
        const std::optional<int> d = digitValue(c);
        if (!d || seed > (std::numeric_limits<std::uint64_t>::max() - std::uint64_t(*d)) / 32)
            return std::nullopt;
        seed = seed * 32 + std::uint64_t(*d);
    }
    code.seed = seed;
    const QString body = codeBody(code.task, code.count, code.seed);
    const std::optional<int> check = digitValue(parts[2].back());
    if (!check || QLatin1Char(kDigits[*check]) != checkCharacter(body))
        return std::nullopt;
    return code;
}

std::uint64_t WorksheetCode::clockSeed(ExampleSeeder& seeder, std::int64_t clockMilliseconds)
{
    return seeder.next(clockMilliseconds) & ((std::uint64_t{1} << 40) - 1);
}

} // namespace orbeta::print
