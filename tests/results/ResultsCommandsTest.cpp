// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// orbeta-cli mark and ranking, run as a teacher or a script would run them.
#include "tests/support/CliRun.h"
#include "tests/support/FileBytes.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using orbeta::test_support::CliRun;
using orbeta::test_support::writeBytes;
using orbeta::test_support::runCli;

namespace {

class ResultsCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(writeBytes(dir.filePath(QStringLiteral("Znamky.dat")), "0|69|4\r\n70|84|2\r\n85|100|1\r\n"));
    }
    QTemporaryDir dir;
};

} // namespace

TEST_F(ResultsCommands, MarkPrintsTheMarkOrAnEmptyLine)
{
    EXPECT_EQ(runCli({"mark", "7", "10", "--data", dir.path()}).out, "2\n");
    const CliRun between = runCli({"mark", "69", "99", "--data", dir.path()}); // 69.7 %
    EXPECT_EQ(between.status, 0);
    EXPECT_EQ(between.out, "\n");
}

TEST_F(ResultsCommands, MarkUsesTheInstalledTableByDefault)
{
    const QString installed = qEnvironmentVariable("ORBETA_BUILD_DIR") + QStringLiteral("/hd");
    for (const auto& [correct, total] : {std::pair{7, 10}, {2, 3}}) {
        const QStringList counts{QString::number(correct), QString::number(total)};
        const CliRun byDefault = runCli(QStringList{"mark"} + counts);
        EXPECT_EQ(byDefault.status, 0) << byDefault.err.toStdString();
        EXPECT_EQ(byDefault.out, runCli(QStringList{"mark"} + counts + QStringList{"--data", installed}).out);
    }
}

// The --data option's own faults are DataDirOption's.
TEST_F(ResultsCommands, BadUsageExitsWithTwo)
{
    const QList<QStringList> bad = {
        {"mark", "7"},
        {"mark", "7", "10", "11"},
        {"mark", "-1", "10"},
        {"mark", "11", "10"},
        {"mark", "99999999999999999999", "100000000000000000000"},
        {"mark", "32768", "32768"},
        {"mark", "seven", "10"},
        {"mark", " 7", "10"},
        {"mark", "7", "10", "--verbose"},
        {"ranking"},
        {"ranking", "1a", "1b"},
        {"ranking", "7z"},
        {"ranking", "1A"},
        {"ranking", "../1a"},
        {"ranking", ""},
    };
    for (const QStringList& args : bad) {
        const CliRun run = runCli(args);
        EXPECT_EQ(run.status, 2) << args.join(' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty()) << args.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << args.join(' ').toStdString();
    }
}

TEST_F(ResultsCommands, BadFilesExitWithOneNamingTheFile)
{
    const QString absent = dir.filePath(QStringLiteral("absent"));
    const CliRun noDir = runCli({"mark", "7", "10", "--data", absent});
    EXPECT_EQ(noDir.status, 1);
    EXPECT_TRUE(noDir.err.contains(absent));

    ASSERT_TRUE(writeBytes(dir.filePath(QStringLiteral("Znamky.dat")), "0|69|4\r\n70|300|2\r\n"));
    const CliRun outOfRange = runCli({"mark", "7", "10", "--data", dir.path()});
    EXPECT_EQ(outOfRange.status, 1);
    EXPECT_TRUE(outOfRange.err.contains(QStringLiteral("Znamky.dat, riadok 2"))) << outOfRange.err.toStdString();

    QFile::remove(dir.filePath(QStringLiteral("Znamky.dat")));
    const CliRun missing = runCli({"mark", "7", "10", "--data", dir.path()});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("Znamky.dat")));
}

TEST_F(ResultsCommands, RankingListsEveryRecordBestFirstSeparatedByTabs)
{
    ASSERT_TRUE(writeBytes(dir.filePath(QStringLiteral("6b.res")),
                           "Jana|7|3|3|0\r\nNo mark|9|0|0|0\r\nTab\tName|10|0|1|1\r\n\x8a\xe1rka|7|2|3|0\r\n"));
    const CliRun run = runCli({"ranking", "6b", "--data", dir.path()});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(run.out), QStringLiteral("1\tTab Name\t10\t0\t1\n"
                                                       "2\tŠárka\t7\t2\t3\n"
                                                       "3\tJana\t7\t3\t3\n"
                                                       "4\tNo mark\t9\t0\t\n"));
}
