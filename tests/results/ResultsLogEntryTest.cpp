// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/log/ResultsLogEntry.h"

#include "formats/Cp1250.h"

#include <gtest/gtest.h>

using orbeta::results::ResultsLogEntry;

namespace {

ResultsLogEntry entry(const QString& name)
{
    return ResultsLogEntry{name,
                           QStringLiteral("Mechanika 1"),
                           QStringLiteral("Hustota kvapaliny"),
                           10,
                           7,
                           3,
                           QStringLiteral("3"),
                           QDate(2008, 3, 5),
                           QTime(9, 4)};
}

} // namespace

TEST(ResultsLogEntry, FourPaddedLinesInWindows1250WithCrLf)
{
    const QByteArray expected = *orbeta::Cp1250::encode(QStringLiteral(
        "Meno: Ľubomír Šťastný                        Dátum: 5.3.2008     Čas: 09:04\r\n"
        "Hra: Mechanika 1          Typ úlohy: Hustota kvapaliny             \r\n"
        "Počet príkladov:  10      Správne:  7       Nesprávne:  3        Známka:  3\r\n"
        "===========================================================================\r\n"));
    EXPECT_EQ(entry(QStringLiteral("Ľubomír Šťastný")).toBytes(), expected);
}

TEST(ResultsLogEntry, LongValuesAreWrittenWholeAndPushTheLineOut)
{
    const QString name40(40, QLatin1Char('x'));
    const QStringList usual = entry(QStringLiteral("Jana")).lines();
    const QStringList longer = entry(name40).lines();
    EXPECT_EQ(longer.at(0).size(), usual.at(0).size() + 5);
    EXPECT_TRUE(longer.at(0).contains(name40 + QStringLiteral("    Dátum:")));

    ResultsLogEntry e = entry(QStringLiteral("Jana"));
    e.exampleCount = 1234567;
    e.mark.clear();
    EXPECT_EQ(e.lines().at(2), QStringLiteral("Počet príkladov:  1234567  Správne:  7       Nesprávne:  3        Známka:  "));
    e.date = QDate(2026, 12, 31);
    e.time = QTime(23, 59, 59);
    EXPECT_TRUE(e.lines().at(0).endsWith(QStringLiteral("Dátum: 31.12.2026   Čas: 23:59")));
}

TEST(ResultsLogEntry, ANameCannotBreakTheFourLineLayout)
{
    const QByteArray bytes = entry(QStringLiteral("Eva\r\nHra: fake\n😀")).toBytes();
    EXPECT_EQ(bytes.count("\r\n"), 4);
    EXPECT_EQ(bytes.count('\n'), 4);
    EXPECT_TRUE(bytes.startsWith("Meno: Eva  Hra: fake ?"));
}
