// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "startup/StartUpCheck.h"

#include <gtest/gtest.h>

#include <set>

using orbeta::StartUpCheck;
using orbeta::StartUpFailure;

namespace {

const QByteArray goodIni = "[TRV]\nCD=/cd\nHD=/hd/\n";

// A file system holding every required file except those listed.
StartUpCheck::FileExists allBut(std::set<QString> missing)
{
    return [missing](const QString& dir, const QString& name) { return !missing.count(dir + name); };
}

} // namespace

TEST(StartUpCheck, GoodInstallationPassesWithDirectories)
{
    const auto result = StartUpCheck::check(goodIni, allBut({}));
    EXPECT_EQ(result.failure, StartUpFailure::None);
    EXPECT_EQ(result.resourceDir, QStringLiteral("/cd/"));
    EXPECT_EQ(result.dataDir, QStringLiteral("/hd/"));
    EXPECT_EQ(result.tableDir, QStringLiteral("/hd/"));

    // The tables in a folder of their own: only those count, never a table
    // that someone put into the data directory.
    const QByteArray splitIni = goodIni + "TAB=/tab\n";
    const auto split = StartUpCheck::check(splitIni, allBut({"/hd/Znamky.dat", "/hd/6c.dat"}));
    EXPECT_EQ(split.failure, StartUpFailure::None);
    EXPECT_EQ(split.tableDir, QStringLiteral("/tab/"));
    EXPECT_EQ(split.dataDir, QStringLiteral("/hd/"));
    EXPECT_EQ(StartUpCheck::check(splitIni, allBut({"/tab/Znamky.dat"})).failure, StartUpFailure::DataFilesMissing);
    EXPECT_EQ(StartUpCheck::check(splitIni, allBut({"/tab/Vysledky.dat"})).failure, StartUpFailure::None);
    EXPECT_EQ(StartUpCheck::check(splitIni, allBut({"/hd/Vysledky.dat"})).failure, StartUpFailure::DataFilesMissing);
}

TEST(StartUpCheck, FirstFailingCheckDecidesTheMessage)
{
    const auto nothing = [](const QString&, const QString&) { return false; };
    EXPECT_EQ(StartUpCheck::check(std::nullopt, nothing).failure, StartUpFailure::ConfigurationMissing);
    EXPECT_EQ(StartUpCheck::check(QByteArray("[TRV]\nHD=/hd\n"), nothing).failure,
              StartUpFailure::ConfigurationMissing);
    EXPECT_EQ(StartUpCheck::check(QByteArray("[TRV]\nCD=/cd\nHD=\n"), nothing).failure,
              StartUpFailure::ConfigurationMissing);
    // Data and resources both missing: the data message wins.
    EXPECT_EQ(StartUpCheck::check(goodIni, nothing).failure, StartUpFailure::DataFilesMissing);
    EXPECT_EQ(StartUpCheck::check(goodIni, allBut({"/hd/6c.dat"})).failure, StartUpFailure::DataFilesMissing);
    EXPECT_EQ(StartUpCheck::check(goodIni, allBut({"/hd/Vysledky.dat"})).failure,
              StartUpFailure::DataFilesMissing);
    EXPECT_EQ(StartUpCheck::check(goodIni, allBut({"/cd/Data\\Sigla.ttf"})).failure,
              StartUpFailure::ResourceFilesMissing);
}

// Every failure has its message; only a missing resource tree is blamed on
// the disc, not a font the system lacks.
TEST(StartUpCheck, OnlyAMissingResourceTreeIsBlamedOnTheDisc)
{
    for (const StartUpFailure failure : {StartUpFailure::ConfigurationMissing, StartUpFailure::DataFilesMissing,
                                         StartUpFailure::ResourceFilesMissing, StartUpFailure::FontsMissing}) {
        const QString text = StartUpCheck::messageText(failure);
        EXPECT_FALSE(text.isEmpty()) << int(failure);
        EXPECT_EQ(text.contains(QStringLiteral("CD-ROM")), failure == StartUpFailure::ResourceFilesMissing)
            << text.toStdString();
    }
}

// The message names what it is about: the configuration file and its key,
// or every missing file with its folder.
TEST(StartUpCheck, DetailsNameEveryMissingFileWithItsFolder)
{
    const auto noIni = StartUpCheck::check(std::nullopt, allBut({}), QStringLiteral("/etc/win/Orbeta.ini"));
    EXPECT_EQ(noIni.details, QStringList{QStringLiteral("/etc/win/Orbeta.ini")});
    const auto noKey = StartUpCheck::check(QByteArray("[TRV]\nCD=/cd\n"), allBut({}), QStringLiteral("/w/Orbeta.ini"));
    ASSERT_EQ(noKey.details.size(), 1);
    EXPECT_TRUE(noKey.details.front().startsWith(QStringLiteral("Súbor /w/Orbeta.ini: chýba kľúč HD")));
    const auto twoMissing = StartUpCheck::check(goodIni, allBut({"/hd/Vysledky.dat", "/hd/6c.dat"}));
    EXPECT_EQ(twoMissing.details, QStringList({QStringLiteral("/hd/Vysledky.dat"), QStringLiteral("/hd/6c.dat")}));
    const auto noFont = StartUpCheck::check(goodIni, allBut({"/cd/Data\\Sigla.ttf"}));
    EXPECT_EQ(noFont.details, QStringList{QStringLiteral("/cd/Data/Sigla.ttf")});
    EXPECT_TRUE(StartUpCheck::check(goodIni, allBut({})).details.isEmpty());
    // A file that is there but unusable is never said to be missing.
    EXPECT_FALSE(StartUpCheck::messageText(StartUpFailure::DataFileUnusable).contains(QStringLiteral("nájsť")));
}
