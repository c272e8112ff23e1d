// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/ResultsLogEntry.h"
#include "results/ResultsLogFormat.h"

#include "formats/Cp1250.h"

#include <gtest/gtest.h>

using orbeta::results::ResultsLogEntry;
using orbeta::results::ResultsLogFormat;

namespace {

ResultsLogEntry entry(const QString& name, const QString& mark = QStringLiteral("2"))
{
    return ResultsLogEntry{name, QStringLiteral("Mechanika 1"), QStringLiteral("Hustota kvapaliny"), 10, 7, 3, mark,
                           QDate(2008, 3, 5), QTime(9, 4)};
}

void expectSame(const ResultsLogEntry& read, const ResultsLogEntry& written)
{
    EXPECT_EQ(read.name, written.name);
    EXPECT_EQ(read.topic, written.topic);
    EXPECT_EQ(read.taskTitle, written.taskTitle);
    EXPECT_EQ(read.exampleCount, written.exampleCount);
    EXPECT_EQ(read.correct, written.correct);
    EXPECT_EQ(read.wrong, written.wrong);
    EXPECT_EQ(read.mark, written.mark);
    EXPECT_EQ(read.date, written.date);
    EXPECT_EQ(read.time, written.time);
}

} // namespace

TEST(ResultsLogFormat, ReadsBackWhatTheWriterWrote)
{
    ResultsLogEntry late = entry(QStringLiteral("Ľubomír Šťastný"));
    late.date = QDate(2026, 12, 31);
    late.time = QTime(23, 59);
    late.topic = QStringLiteral("Termika");
    late.taskTitle = QStringLiteral("Teplo potrebné na ohriatie telesa, dlhý názov úlohy");
    late.exampleCount = 1234567;
    const QList<ResultsLogEntry> written = {
        entry(QStringLiteral("Jana")),
        late,
        entry(QString(50, QLatin1Char('x'))),                                   // longer than its column
        entry(QStringLiteral("Eva    Dátum: 1.1.2000   Čas: 10:00")),           // a name that looks like the rest
        entry(QStringLiteral("Hra: Typ úlohy: Počet príkladov: 1")),
        entry(QString()),                                                       // empty name
        entry(QStringLiteral("Peter"), QString()),                              // no mark
    };
    QByteArray bytes;
    for (const ResultsLogEntry& e : written)
        bytes += e.toBytes();
    const auto read = ResultsLogFormat::parse(bytes);
    EXPECT_TRUE(read.skipped.isEmpty());
    ASSERT_EQ(read.entries.size(), written.size());
    for (qsizetype i = 0; i < written.size(); ++i) {
        SCOPED_TRACE(i);
        expectSame(read.entries.at(i), written.at(i));
    }
}

TEST(ResultsLogFormat, ToleratesLfEndingsBlankLinesAndAnEmptyFile)
{
    QByteArray bytes = entry(QStringLiteral("Jana")).toBytes() + "\r\n\r\n" + entry(QStringLiteral("Eva")).toBytes();
    bytes.replace("\r\n", "\n");
    bytes.chop(1); // no line end after the last rule
    const auto read = ResultsLogFormat::parse(bytes);
    EXPECT_TRUE(read.skipped.isEmpty());
    ASSERT_EQ(read.entries.size(), 2);
    EXPECT_EQ(read.entries.at(1).name, QStringLiteral("Eva"));
    EXPECT_TRUE(ResultsLogFormat::parse({}).entries.isEmpty());
    EXPECT_TRUE(ResultsLogFormat::parse({}).skipped.isEmpty());
}

// Every whole record is read; each run of damaged lines is skipped up to
// the next line that starts a record, and named with its lines.
TEST(ResultsLogFormat, DamagedLinesAreSkippedAndNamedTheRestIsRead)
{
    const QByteArray good = entry(QStringLiteral("Jana")).toBytes();
    const QByteArray firstLine = good.left(good.indexOf('\n') + 1);
    QByteArray badDate = good;
    badDate.replace("5.3.2008", "31.2.2008");
    QByteArray badCount = good;
    badCount.replace(*orbeta::Cp1250::encode(QStringLiteral("Správne:  7")), "x");
    QByteArray noRule = good;
    noRule.replace("=====", "-----");
    struct Case {
        const char* what;
        QByteArray bytes;
        int entries;
        QString skipped; // the runs' lines, and the line found wrong in brackets
    };
    const Case cases[] = {
        {"a torn last entry", good + firstLine, 1, "5(5)"},
        {"a torn entry, then whole ones", good + firstLine + good + good, 3, "5(5)"},
        {"a torn line without its end, then one", good + good.left(30) + "\r\n" + good, 2, "5(5)"},
        {"an invalid date", badDate + good, 1, "1-4(1)"},
        {"a count that is no number", good + badCount + good, 2, "5-8(7)"},
        {"no rule below an entry", noRule + good, 1, "1-4(4)"},
        {"lines of other text between entries", good + "Hello\r\nWorld\r\n\r\n" + good, 2, "5-6(5)"},
        {"two damaged runs", badDate + good + "Hello\r\n", 1, "1-4(1) 9(9)"},
    };
    for (const Case& c : cases) {
        const auto read = ResultsLogFormat::parse(c.bytes);
        QStringList runs;
        for (const auto& s : read.skipped)
            runs.append(QStringLiteral("%1%2(%3)")
                            .arg(s.first)
                            .arg(s.first == s.last ? QString() : QStringLiteral("-%1").arg(s.last))
                            .arg(s.wrongLine));
        EXPECT_EQ(read.entries.size(), c.entries) << c.what;
        EXPECT_EQ(runs.join(QLatin1Char(' ')), c.skipped) << c.what;
        for (const ResultsLogEntry& e : read.entries)
            EXPECT_EQ(e.name, QStringLiteral("Jana")) << c.what;
    }
}

TEST(ResultsLogFormat, ASkippedRunIsNamedInReadableSlovak)
{
    const QByteArray good = entry(QStringLiteral("Jana")).toBytes();
    const auto read = ResultsLogFormat::parse(good + "Meno: x\r\n" + good.left(good.indexOf('\n') + 1) + "Hra: Mech\r\n");
    ASSERT_EQ(read.skipped.size(), 2);
    EXPECT_EQ(read.skipped.at(0).error(QStringLiteral("Vysledky.dat")).message(),
              QStringLiteral("Súbor Vysledky.dat, riadok 5: očakáva sa riadok „Meno: … Dátum: … Čas: …“. "
                             "Vynechaný riadok 5."));
    EXPECT_EQ(read.skipped.at(1).error(QStringLiteral("Vysledky.dat")).message(),
              QStringLiteral("Súbor Vysledky.dat, riadok 7: očakáva sa riadok „Hra: … Typ úlohy: …“. "
                             "Vynechané riadky 6–7."));
}
