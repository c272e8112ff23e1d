// orbeta-cli worksheet as a teacher runs it: the sheet's pages, the code in
// its footer making the same sheet again, and clear refusals.
#include "tests/support/PdfText.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct CliRun {
    int status = -1;
    QString stderrText;
};

CliRun cli(const QStringList& args)
{
    QProcess process;
    process.start(qEnvironmentVariable("ORBETA_BUILD_DIR") + QStringLiteral("/orbeta-cli"), args);
    CliRun run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.status = process.exitCode();
    run.stderrText = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QString dataDir()
{
    return qEnvironmentVariable("ORBETA_BUILD_DIR") + QStringLiteral("/hd");
}

} // namespace

TEST(WorksheetCommand, PagesFollowTheCountAndTheCodeMakesTheSameSheet)
{
    if (!orbeta::test_support::pdfToolsInstalled())
        GTEST_SKIP() << "poppler-utils are not installed";
    QTemporaryDir out;
    struct Case {
        const char* code;
        const char* count;
        int pages;
    };
    for (const Case& c : {Case{"1a", "8", 3}, Case{"1c", "15", 4}, Case{"6b", "25", 2}, Case{"4b", "3", 1}}) {
        SCOPED_TRACE(c.code);
        const QString pdf = out.filePath(QStringLiteral("%1.pdf").arg(QLatin1String(c.code)));
        const CliRun run = cli({"worksheet", c.code, "--count", c.count, "--seed", "77", "--name", "Mária Kováčová",
                             "--data", dataDir(), "-o", pdf});
        ASSERT_EQ(run.status, 0) << run.stderrText.toStdString();
        EXPECT_TRUE(run.stderrText.isEmpty()) << run.stderrText.toStdString();
        EXPECT_EQ(orbeta::test_support::pdfPages(pdf), c.pages);
        const QString text = orbeta::test_support::pdfText(pdf);
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
        ASSERT_EQ(cli({"worksheet", "--again", code.toLower(), "--name", "Mária Kováčová", "--data", dataDir(),
                       "-o", again})
                      .status,
                  0);
        EXPECT_EQ(orbeta::test_support::pdfText(again), text);

        ASSERT_EQ(cli({"worksheet", "--again", code, "--answers", "--data", dataDir(), "-o", again}).status, 0);
        EXPECT_EQ(orbeta::test_support::pdfText(again).count(QStringLiteral("Riešenie")), c.pages);
    }
}

TEST(WorksheetCommand, BadArgumentsAndUnwritableFilesAreRefused)
{
    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("w.pdf"));
    for (const QStringList& args : {QStringList{"worksheet", "1a", "--count", "3"},
                                    QStringList{"worksheet", "1e", "--count", "3", "-o", pdf},
                                    QStringList{"worksheet", "1a", "--count", "16", "-o", pdf},
                                    QStringList{"worksheet", "6a", "--count", "7", "-o", pdf},
                                    QStringList{"worksheet", "1a", "--count", "3", "--seed", "-1", "-o", pdf},
                                    QStringList{"worksheet", "--again", "1a-8-1A9", "-o", pdf},
                                    QStringList{"worksheet", "--again", "1a-8-1A8", "--count", "3", "-o", pdf},
                                    QStringList{"worksheet", "1a", "--count", "3", "--answers", "--answers", "-o", pdf}}) {
        const CliRun run = cli(args);
        EXPECT_EQ(run.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.stderrText.startsWith(QLatin1String("orbeta-cli: "))) << run.stderrText.toStdString();
    }
    EXPECT_FALSE(QFile::exists(pdf));

    const CliRun unwritable = cli({"worksheet", "5a", "--count", "3", "--data", dataDir(), "-o",
                                out.filePath(QStringLiteral("missing/w.pdf"))});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_TRUE(unwritable.stderrText.contains(QLatin1String("missing/w.pdf"))) << unwritable.stderrText.toStdString();

    QTemporaryDir empty;
    const CliRun noData = cli({"worksheet", "4a", "--count", "3", "--data", empty.path(), "-o", pdf});
    EXPECT_EQ(noData.status, 1);
    EXPECT_TRUE(noData.stderrText.contains(QLatin1String("4a.dat"))) << noData.stderrText.toStdString();
    EXPECT_FALSE(QFile::exists(pdf));
}
