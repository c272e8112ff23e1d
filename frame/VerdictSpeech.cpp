// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frame/VerdictSpeech.h"

#include <algorithm>

namespace orbeta {

QString VerdictSpeech::verdict(const std::vector<bool>& verdicts)
{
    const auto right = std::count(verdicts.begin(), verdicts.end(), true);
    const auto total = qsizetype(verdicts.size());
    QString said = total == 1 ? (right == 1 ? QStringLiteral("Správne.") : QStringLiteral("Nesprávne."))
                              : QStringLiteral("Správne %1 z %2.").arg(right).arg(total);
    if (right < total)
        said += QStringLiteral(" Riešenie ukáže kláves F9.");
    return said;
}

QString VerdictSpeech::solution(bool right, const QString& text)
{
    return (right ? QStringLiteral("Správne. ") : QStringLiteral("Nesprávne. Riešenie: ")) + text;
}

} // namespace orbeta
