// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A record of the results log: the four padded lines the writer gives, and
// the reader that takes them back, also after damage or another editor.
#include "results/log/ResultsLogEntry.h"
#include "results/log/ResultsLogFormat.h"

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

TEST(ResultsLogEntry, FourPaddedLinesInWindows1250WithCrLf)
{
    const QByteArray expected = *orbeta::Cp1250::encode(QStringLiteral(
        "Meno: Ľubomír Šťastný                        Dátum: 5.3.2008     Čas: 09:04\r\n"
        "Hra: Mechanika 1          Typ úlohy: Hustota kvapaliny             \r\n"
        "Počet príkladov:  10      Správne:  7       Nesprávne:  3        Známka:  3\r\n"
        "===========================================================================\r\n"));
    EXPECT_EQ(entry(QStringLiteral("Ľubomír Šťastný"), QStringLiteral("3")).toBytes(), expected);
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

TEST(ResultsLogFormat, ReadsBackWhatTheWriterWrote)
{
    ResultsLogEntry late = entry(QStringLiteral("Ľubomír Šťastný"));
    late.date = QDate(2026, 12, 31);
    late.time = QTime(23, 59);
    late.topic = QStringLiteral("Termika");
    late.taskTitle = QStringLiteral("Teplo potrebné na ohriatie telesa, dlhý názov úlohy");
    late.exampleCount = 1000;
    late.correct = 999;
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

// A log saved again elsewhere: lone CR line ends, UTF-8 with or without a
// byte order mark, and windows-1250 appended after UTF-8; each record read
// whole, where it begins named by its line.
TEST(ResultsLogFormat, ReadsALogSavedAgainByAnEditor)
{
    const ResultsLogEntry jana = entry(QStringLiteral("Ľubomíra Šťastná"));
    const QByteArray cp1250 = jana.toBytes();
    QByteArray utf8;
    for (const QString& line : jana.lines())
        utf8 += line.toUtf8() + "\r\n";
    QByteArray crOnly = cp1250 + cp1250;
    crOnly.replace("\r\n", "\r");
    const struct {
        const char* what;
        QByteArray bytes;
        bool storedInUtf8;
    } cases[] = {
        {"lone CR", crOnly, false},
        {"UTF-8", utf8 + utf8, true},
        {"UTF-8 with a byte order mark", "\xEF\xBB\xBF" + utf8 + utf8, true},
        {"windows-1250 after UTF-8", utf8 + cp1250, true},
    };
    for (const auto& c : cases) {
        const auto read = ResultsLogFormat::parse(c.bytes);
        EXPECT_TRUE(read.skipped.isEmpty()) << c.what;
        ASSERT_EQ(read.entries.size(), 2) << c.what;
        for (const ResultsLogEntry& e : read.entries)
            expectSame(e, jana);
        EXPECT_EQ(read.entries[1].line, 5) << c.what;
        EXPECT_EQ(ResultsLogFormat::storedInUtf8(c.bytes), c.storedInUtf8) << c.what;
    }
    EXPECT_FALSE(ResultsLogFormat::storedInUtf8(cp1250));
    EXPECT_FALSE(ResultsLogFormat::storedInUtf8({}));
}

// A NUL left by a torn write or a tab is a blank in every reader's name.
TEST(ResultsLogFormat, ControlCharactersInTextsAreBlanks)
{
    QByteArray bytes = entry(QStringLiteral("Jana Nová")).toBytes();
    bytes.replace("Jana Nov", QByteArray("Jana\0Nov", 8));
    bytes.replace("Mechanika", "Mech\tanika");
    const auto read = ResultsLogFormat::parse(bytes);
    ASSERT_EQ(read.entries.size(), 1);
    EXPECT_EQ(read.entries[0].name, QStringLiteral("Jana Nová"));
    EXPECT_EQ(read.entries[0].topic, QStringLiteral("Mech anika 1"));
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
    const auto changed = [&good](const QString& from, const QString& to) {
        QByteArray bytes = good;
        bytes.replace(*orbeta::Cp1250::encode(from), *orbeta::Cp1250::encode(to));
        return bytes;
    };
    const QByteArray tooManyRight = changed(QStringLiteral("Správne:  7"), QStringLiteral("Správne:  99"));
    const QByteArray hugeCount = changed(QStringLiteral("príkladov:  10"), QStringLiteral("príkladov:  999999999"));
    const QByteArray yearOne = changed(QStringLiteral("5.3.2008"), QStringLiteral("6.12.1"));
    const QByteArray markSeven = changed(QStringLiteral("Známka:  2"), QStringLiteral("Známka:  7"));
    const QByteArray markWord = changed(QStringLiteral("Známka:  2"), QStringLiteral("Známka:  dobrý"));
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
        {"more right answers than examples", good + tooManyRight, 1, "5-8(7)"},
        {"a count no series has", hugeCount + good, 1, "1-4(3)"},
        {"the most examples a series may have", good + changed(QStringLiteral("príkladov:  10"), QStringLiteral("príkladov:  1000")), 2, ""},
        {"the year 1", good + yearOne + good, 2, "5-8(5)"},
        {"a mark of 7", markSeven + good, 1, "1-4(3)"},
        {"a mark that is a word", good + markWord, 1, "5-8(7)"},
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
    QByteArray impossible = good;
    impossible.replace("5.3.2008", "6.12.1");
    EXPECT_EQ(ResultsLogFormat::parse(impossible).skipped.value(0).problem, QStringLiteral("nemožný dátum 6.12.1."));
    const auto read = ResultsLogFormat::parse(good + "Meno: x\r\n" + good.left(good.indexOf('\n') + 1) + "Hra: Mech\r\n");
    ASSERT_EQ(read.skipped.size(), 2);
    EXPECT_EQ(read.skipped.at(0).error(QStringLiteral("Vysledky.dat")).message(),
              QStringLiteral("Súbor Vysledky.dat, riadok 5: očakáva sa riadok „Meno: … Dátum: … Čas: …“. "
                             "Vynechaný riadok 5."));
    EXPECT_EQ(read.skipped.at(1).error(QStringLiteral("Vysledky.dat")).message(),
              QStringLiteral("Súbor Vysledky.dat, riadok 7: očakáva sa riadok „Hra: … Typ úlohy: …“. "
                             "Vynechané riadky 6–7."));
}
