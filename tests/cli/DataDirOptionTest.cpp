// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/Commands.h"
#include "cli/DataDirOption.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using orbeta::cli::DataDirOption;

TEST(DataDirOption, TakesTheGivenDirectoryOutOfTheArguments)
{
    QTemporaryDir dir;
    QStringList args{"7", "--data", dir.path(), "10"};
    const auto result = DataDirOption::take(args);
    EXPECT_EQ(result.status, orbeta::cli::Ok);
    EXPECT_EQ(result.dir, QDir::cleanPath(dir.path()));
    EXPECT_EQ(args, (QStringList{"7", "10"}));

    QStringList joined{"--data=" + dir.path(), "1a"};
    EXPECT_EQ(DataDirOption::take(joined).status, orbeta::cli::Ok);
    EXPECT_EQ(joined, QStringList{"1a"});
}

TEST(DataDirOption, BadOptionsAreUsageErrorsAndAMissingDirectoryIsABadFile)
{
    QTemporaryDir dir;
    QStringList missingValue{"1a", "--data"};
    EXPECT_EQ(DataDirOption::take(missingValue).status, orbeta::cli::BadUsage);
    QStringList twice{"--data", dir.path(), "--data", dir.path()};
    EXPECT_EQ(DataDirOption::take(twice).status, orbeta::cli::BadUsage);
    QStringList empty{"--data="};
    EXPECT_EQ(DataDirOption::take(empty).status, orbeta::cli::BadUsage);
    QStringList absent{"--data", dir.filePath("absent")};
    EXPECT_EQ(DataDirOption::take(absent).status, orbeta::cli::BadFile);
}

TEST(DataDirOption, WithoutTheOptionUsesHdOfOrbetaIniInTheWindowsDirectory)
{
    QTemporaryDir windir;
    ASSERT_TRUE(QDir(windir.path()).mkdir(QStringLiteral("hd")));
    QFile ini(windir.filePath(QStringLiteral("Orbeta.ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[TRV]\r\nCD=/cd/\r\nHD=" + QFile::encodeName(windir.filePath(QStringLiteral("hd"))) + "\r\n");
    ini.close();
    qputenv("ORBETA_WINDIR", windir.path().toLocal8Bit());

    QStringList args{"1a"};
    const auto found = DataDirOption::take(args);
    EXPECT_EQ(found.status, orbeta::cli::Ok);
    EXPECT_EQ(found.dir, QDir::cleanPath(windir.filePath(QStringLiteral("hd"))));

    // With the tables in a folder of their own, only the rankings and the
    // results log are read from HD.
    ASSERT_TRUE(QDir(windir.path()).mkdir(QStringLiteral("tab")));
    ASSERT_TRUE(ini.open(QIODevice::Append));
    ini.write("TAB=" + QFile::encodeName(windir.filePath(QStringLiteral("tab"))) + "\r\n");
    ini.close();
    EXPECT_EQ(DataDirOption::take(args).dir, QDir::cleanPath(windir.filePath(QStringLiteral("tab"))));
    EXPECT_EQ(DataDirOption::take(args, DataDirOption::Holding::Results).dir,
              QDir::cleanPath(windir.filePath(QStringLiteral("hd"))));

    ASSERT_TRUE(ini.remove());
    EXPECT_EQ(DataDirOption::take(args).status, orbeta::cli::BadFile);
    qunsetenv("ORBETA_WINDIR");
}
