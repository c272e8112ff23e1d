// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// orbeta-cli results, on a log written by the program's own writer.
#include "results/data/ResultsLog.h"
#include "results/log/ResultsLogEntry.h"
#include "tests/support/CliRun.h"
#include "tests/support/FileBytes.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using orbeta::results::ResultsLog;
using orbeta::results::ResultsLogEntry;

using orbeta::test_support::CliRun;
using orbeta::test_support::runCli;
using orbeta::test_support::writeBytes;

namespace {

ResultsLogEntry entry(const QString& name, int day, const QString& mark)
{
    return ResultsLogEntry{name, QStringLiteral("Elektrina"), QStringLiteral("Ohmov zákon, výpočet odporu"), 10, 8, 2,
                           mark, QDate(2026, 3, day), QTime(8, 5)};
}

} // namespace

TEST(ResultsLogCommand, CsvOfALogWrittenByTheProgram)
{
    QTemporaryDir dir;
    const ResultsLog log(dir.path());
    const QList<ResultsLogEntry> written = {
        entry(QStringLiteral("Ľubica Nováková"), 2, QStringLiteral("2")),
        entry(QStringLiteral("Novák, Ján \"Jano\""), 14, QString()),
        entry(QStringLiteral("=1+1"), 30, QStringLiteral("1")),
    };
    for (const ResultsLogEntry& e : written)
        ASSERT_TRUE(log.append(e).ok());

    const CliRun run = runCli({"results", "--data", dir.path(), "--csv"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    // Quoted where a field holds a comma or a quote; a name starting with "="
    // would run in a spreadsheet as a formula.
    EXPECT_EQ(QString::fromUtf8(run.out),
              QStringLiteral("Meno,Dátum,Čas,Hra,Typ úlohy,Počet príkladov,Správne,Nesprávne,Známka\r\n"
                             "Ľubica Nováková,2026-03-02,08:05,Elektrina,\"Ohmov zákon, výpočet odporu\",10,8,2,2\r\n"
                             "\"Novák, Ján \"\"Jano\"\"\",2026-03-14,08:05,Elektrina,\"Ohmov zákon, výpočet odporu\",10,8,2,\r\n"
                             "'=1+1,2026-03-30,08:05,Elektrina,\"Ohmov zákon, výpočet odporu\",10,8,2,1\r\n"));

    const CliRun tabs = runCli({"results", "--data", dir.path()});
    ASSERT_EQ(tabs.status, 0);
    EXPECT_EQ(tabs.out.count('\n'), written.size());
    EXPECT_TRUE(tabs.out.startsWith("Ľubica Nováková\t2026-03-02\t08:05\t"));
}

TEST(ResultsLogCommand, NoLogIsAnEmptyTableAndAnUnreadableLogAnError)
{
    QTemporaryDir dir;
    const CliRun empty = runCli({"results", "--csv", "--data", dir.path()});
    EXPECT_EQ(empty.status, 0);
    EXPECT_EQ(empty.out.count("\r\n"), 1);

    ASSERT_TRUE(writeBytes(dir.filePath(QStringLiteral("Vysledky.dat")), "not a log\r\nat all\r\n"));
    const CliRun notALog = runCli({"results", "--data", dir.path()});
    EXPECT_EQ(notALog.status, 1);
    EXPECT_TRUE(notALog.out.isEmpty());
    EXPECT_TRUE(notALog.err.contains(QStringLiteral("Vysledky.dat"))) << notALog.err.toStdString();

    EXPECT_EQ(runCli({"results", "--data", dir.path(), "extra"}).status, 2);
    EXPECT_EQ(runCli({"results", "--csv", "--csv", "--data", dir.path()}).status, 2);
}

// A program that died while appending left half a record without its line
// end; the program appends on, and every whole record stays readable.
TEST(ResultsLogCommand, ATornRecordIsNamedAndEveryWholeOneListed)
{
    QTemporaryDir dir;
    const ResultsLog log(dir.path());
    ASSERT_TRUE(writeBytes(log.path(), entry(QStringLiteral("Jana"), 1, QStringLiteral("1")).toBytes() + "Meno: Pe"));
    ASSERT_TRUE(log.append(entry(QStringLiteral("Eva"), 2, QStringLiteral("2"))).ok());
    ASSERT_TRUE(log.append(entry(QStringLiteral("Ivan"), 3, QStringLiteral("3"))).ok());

    for (const char* csv : {"", "--csv"}) {
        QStringList args{"results", "--data", dir.path()};
        if (*csv)
            args.append(QString::fromLatin1(csv));
        const CliRun run = runCli(args);
        EXPECT_EQ(run.status, 3) << csv;
        const QString out = QString::fromUtf8(run.out);
        for (const char* name : {"Jana", "Eva", "Ivan"})
            EXPECT_TRUE(out.contains(QString::fromLatin1(name))) << name << ' ' << csv;
        EXPECT_EQ(run.err,
                  QStringLiteral("orbeta-cli: Súbor %1, riadok 5: očakáva sa riadok „Meno: … Dátum: … Čas: …“. "
                                 "Vynechaný riadok 5.\n")
                      .arg(log.path()));
    }
}

TEST(ResultsLogCommand, HelpAndVersion)
{
    const CliRun help = runCli({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* command :
         {"examples", "calc", "mark", "ranking", "results", "report", "decode", "encode", "--data", "--csv"})
        EXPECT_TRUE(help.out.contains(command)) << command;
    const CliRun version = runCli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(version.out.startsWith("orbeta-cli " ORBETA_VERSION "\n"));
}
