// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/log/ResultsLogEntry.h"

#include "formats/Cp1250.h"
#include "results/ranking/StoredText.h"

namespace orbeta::results {
namespace {

QString padded(const QString& text, int width)
{
    return text.leftJustified(width, QLatin1Char(' '), false);
}

} // namespace

QStringList ResultsLogEntry::lines() const
{
    const QString day = QStringLiteral("%1.%2.%3").arg(date.day()).arg(date.month()).arg(date.year(), 4, 10, QLatin1Char('0'));
    const QString clock = QStringLiteral("%1:%2").arg(time.hour(), 2, 10, QLatin1Char('0')).arg(time.minute(), 2, 10, QLatin1Char('0'));
    return {
        QStringLiteral("Meno: ") + padded(StoredText::clean(name), 35) + QStringLiteral("    Dátum: ")
            + padded(day, 10) + QStringLiteral("   Čas: ") + clock,
        QStringLiteral("Hra: ") + padded(StoredText::clean(topic), 20) + QStringLiteral(" Typ úlohy: ")
            + padded(StoredText::clean(taskTitle), 30),
        QStringLiteral("Počet príkladov:  ") + padded(QString::number(exampleCount), 6)
            + QStringLiteral("  Správne:  ") + padded(QString::number(correct), 6)
            + QStringLiteral("  Nesprávne:  ") + padded(QString::number(wrong), 6)
            + QStringLiteral("   Známka:  ") + StoredText::clean(mark),
        QString(75, QLatin1Char('=')),
    };
}

QByteArray ResultsLogEntry::toBytes(bool utf8) const
{
    QByteArray bytes;
    for (const QString& line : lines())
        bytes += (utf8 ? line.toUtf8() : Cp1250::encodeLossy(line)) + "\r\n";
    return bytes;
}

} // namespace orbeta::results
