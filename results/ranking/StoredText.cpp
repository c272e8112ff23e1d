// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/ranking/StoredText.h"

#include "formats/Cp1250.h"

#include <QList>

#include <optional>

namespace orbeta::results {
namespace {

bool breaksARecord(char32_t c)
{
    return c == U'|' || c == U'\u2028' || c == U'\u2029' || QChar::category(c) == QChar::Other_Control;
}

// A single windows-1250 character standing for `c`, or none.
std::optional<QChar> storable(char32_t c)
{
    if (QChar::requiresSurrogates(c))
        return std::nullopt;
    if (Cp1250::canEncode(QChar(c)))
        return QChar(c);
    const QString parts = QChar::decomposition(c);
    if (!parts.isEmpty() && Cp1250::canEncode(parts.front()) && !breaksARecord(parts.front().unicode()))
        return parts.front();
    return std::nullopt;
}

} // namespace

QString StoredText::clean(const QString& text)
{
    // Composed first, so that a letter typed as base + accent stays one
    // windows-1250 letter.
    const QString composed = text.normalized(QString::NormalizationForm_C);
    QString stored;
    stored.reserve(composed.size());
    for (const char32_t c : composed.toUcs4()) {
        if (breaksARecord(c))
            stored += QLatin1Char(' ');
        else
            stored += storable(c).value_or(QLatin1Char('?'));
    }
    return stored;
}

} // namespace orbeta::results
