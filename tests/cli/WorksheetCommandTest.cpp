// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// orbeta-cli worksheet as a teacher runs it: the sheet's pages, the code in
// its footer making the same sheet again, and clear refusals.
#include "formats/LineCodec.h"
#include "tests/support/CliRun.h"
#include "tests/support/FileBytes.h"
#include "tests/support/PdfText.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace orbeta::test_support;

TEST(WorksheetCommand, PagesFollowTheCountAndTheCodeMakesTheSameSheet)
{
    if (!pdfToolsInstalled())
        GTEST_SKIP() << "poppler-utils are not installed";
    QTemporaryDir out;
    struct Case {
        const char* code;
        const char* count;
        int pages;
    };
    for (const Case& c : {Case{"1c", "15", 4}, Case{"6b", "25", 2}, Case{"4b", "3", 1}}) {
        SCOPED_TRACE(c.code);
        const QString pdf = out.filePath(QStringLiteral("%1.pdf").arg(QLatin1String(c.code)));
        // A name typed over two lines prints as two words, not run together.
        const CliRun run = runCli({"worksheet", c.code, "--count", c.count, "--seed", "77", "--name", "Mária\nKováčová",
                                   "--data", installedDataDir(), "-o", pdf});
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
        EXPECT_EQ(pdfPages(pdf), c.pages);
        const QString text = pdfText(pdf);
        EXPECT_EQ(text.count(QStringLiteral("Mária Kováčová")), c.pages);
        EXPECT_EQ(text.count(QStringLiteral("Orbeta - Tarovia")), c.pages);
        // Each example carries its number, counting on across the pages (history: rows of groups instead).
        const auto numbered = [&text](int n) {
            return text.contains(QRegularExpression(QStringLiteral("(^|\\s)%1\\.(\\s|$)").arg(n),
                                                    QRegularExpression::MultilineOption));
        };
        if (c.code[0] != '6') {
            const int count = QByteArray(c.count).toInt();
            for (int n = 1; n <= count; ++n)
                EXPECT_TRUE(numbered(n)) << n;
            EXPECT_FALSE(numbered(count + 1));
        }

        const QString code = QRegularExpression(QStringLiteral("Kód: (\\S+)")).match(text).captured(1);
        ASSERT_TRUE(code.startsWith(QLatin1String(c.code))) << code.toStdString();
        const QString again = out.filePath(QStringLiteral("again.pdf"));
        ASSERT_EQ(runCli({"worksheet", "--again", code.toLower(), "--name", "Mária Kováčová", "--data", installedDataDir(),
                       "-o", again})
                      .status,
                  0);
        EXPECT_EQ(pdfText(again), text);

        ASSERT_EQ(runCli({"worksheet", "--again", code, "--answers", "--data", installedDataDir(), "-o", again}).status, 0);
        EXPECT_EQ(pdfText(again).count(QStringLiteral("Riešenie")), c.pages);
    }
}

TEST(WorksheetCommand, BadArgumentsAndUnwritableFilesAreRefused)
{
    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("w.pdf"));
    for (const QStringList& args : {QStringList{"worksheet", "1a", "--count", "16", "-o", pdf},
                                    QStringList{"worksheet", "1a", "--count", "3", "--seed", "-1", "-o", pdf},
                                    QStringList{"worksheet", "--again", "1a-8-1A9", "-o", pdf},
                                    QStringList{"worksheet", "--again", "1a-8-1A8", "--count", "3", "-o", pdf},
                                    QStringList{"worksheet", "1a", "--count", "3", "--answers", "--answers", "-o", pdf}}) {
        const CliRun run = runCli(args);
        EXPECT_EQ(run.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.err.startsWith(QLatin1String("orbeta-cli: "))) << run.err.toStdString();
    }
    // One argument missing: the message names it, without the whole usage.
    const struct {
        QStringList args;
        const char* said;
    } missing[] = {
        {{"worksheet", "4a", "-o", pdf}, "orbeta-cli: worksheet 4a potrebuje --count N: 1 až 15 príkladov."},
        {{"worksheet", "6c", "-o", pdf}, "orbeta-cli: worksheet 6c potrebuje --count N: 5, 10, 15, 20 alebo 25 položiek."},
        {{"worksheet", "1e", "-o", pdf}, "orbeta-cli: 1e nie je úloha"},
        {{"worksheet", "1a", "--count", "3"}, "orbeta-cli: worksheet potrebuje -o SÚBOR.pdf"},
    };
    for (const auto& m : missing) {
        const CliRun run = runCli(m.args);
        EXPECT_EQ(run.status, 2) << m.args.join(' ').toStdString();
        EXPECT_TRUE(run.err.startsWith(QString::fromUtf8(m.said))) << run.err.toStdString();
        EXPECT_FALSE(run.err.contains(QLatin1String("usage:"))) << run.err.toStdString();
    }
    EXPECT_TRUE(runCli({"worksheet"}).err.contains(QLatin1String("usage: orbeta-cli worksheet")));
    EXPECT_FALSE(QFile::exists(pdf));

    const CliRun unwritable = runCli({"worksheet", "5a", "--count", "3", "--data", installedDataDir(), "-o",
                                out.filePath(QStringLiteral("missing/w.pdf"))});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_TRUE(unwritable.err.contains(QLatin1String("missing/w.pdf"))) << unwritable.err.toStdString();

    QTemporaryDir empty;
    const CliRun noData = runCli({"worksheet", "4a", "--count", "3", "--data", empty.path(), "-o", pdf});
    EXPECT_EQ(noData.status, 1);
    EXPECT_TRUE(noData.err.contains(QLatin1String("4a.dat"))) << noData.err.toStdString();
    EXPECT_FALSE(QFile::exists(pdf));
}

// A scene or a map that breaks the rules is refused with exit status 1, the
// message naming the file by the path given with --data and its line.
TEST(WorksheetCommand, DataOutsideTheRulesNamesItsPathAndLine)
{
    QTemporaryDir data;
    const QDir installed(installedDataDir());
    for (const QString& name : installed.entryList(QDir::Files))
        ASSERT_TRUE(QFile::copy(installed.filePath(name), data.filePath(name)));
    const auto change = [&data](const QString& name, int line, const QString& text) {
        QStringList lines = orbeta::LineCodec::decodedLines(readBytes(data.filePath(name)));
        lines[line - 1] = text;
        ASSERT_TRUE(writeBytes(data.filePath(name), orbeta::LineCodec::encodeFile(lines, 3)));
    };
    change(QStringLiteral("4a.dat"), 4, QStringLiteral("4 vypuklé#ZrkVyp1.bmp#1020#170#640#170#520#170#400#170#240#100"));
    change(QStringLiteral("Mapa1.dat"), 2, QStringLiteral("B#152#96#164#50#218#36#270#-44"));
    QTemporaryDir out;
    for (const auto& [code, where] : {std::pair{"4a", "/4a.dat, riadok 4"}, std::pair{"1d", "/Mapa1.dat, riadok 2"}}) {
        const CliRun run =
            runCli({"worksheet", code, "--count", "3", "--data", data.path(), "-o", out.filePath(QStringLiteral("w.pdf"))});
        EXPECT_EQ(run.status, 1) << code;
        EXPECT_TRUE(run.err.contains(data.path() + QLatin1String(where))) << run.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(out.filePath(QStringLiteral("w.pdf"))));
}
