// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/plan/AssignmentLines.h"

#include <QStringList>

namespace orbeta::print {
namespace {

// The word list of the assignment is bounded like the program's own table.
constexpr qsizetype kMaxWords = 600;

} // namespace

AssignmentLines AssignmentLines::wrap(const QString& text, const std::function<double(const QString&)>& widthMm)
{
    AssignmentLines result;
    const QStringList words = text.split(QLatin1Char(' '));
    int line = 0;
    for (qsizetype i = 0; i < words.size() && i < kMaxWords; ++i) {
        if (words.at(i).isEmpty())
            continue;
        const QString candidate = result.lines[line] + words.at(i) + QLatin1Char(' ');
        if (!result.lines[line].isEmpty() && widthMm(candidate) > kWidthMm && line + 1 < kLines) {
            ++line;
            result.lines[line] = words.at(i) + QLatin1Char(' ');
        } else {
            result.lines[line] = candidate;
        }
    }
    return result;
}

std::optional<int> AssignmentLines::legendTopMm() const
{
    if (lines[0].isEmpty())
        return 30;
    if (!lines[kLines - 1].isEmpty())
        return std::nullopt;
    int last = 1;
    for (int i = 1; i < kLines - 1; ++i)
        if (!lines[i].isEmpty())
            last = i + 1;
    return lineTopMm(last) + 5;
}

} // namespace orbeta::print
