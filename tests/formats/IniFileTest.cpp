// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/IniFile.h"

#include <gtest/gtest.h>

using orbeta::IniFile;

TEST(IniFile, MatchesNamesCaseInsensitivelyAndTrims)
{
    const IniFile ini("; installation\r\n[trv]\r\n  cd =  /media/cd/  \r\nHd=/var/lib/orbeta\r\n");
    EXPECT_EQ(ini.value("TRV", "CD"), std::optional<QString>("/media/cd/"));
    EXPECT_EQ(ini.value("Trv", "hD"), std::optional<QString>("/var/lib/orbeta"));
}

TEST(IniFile, CommentsOtherSectionsAndDuplicates)
{
    const IniFile ini("[Other]\nCD=/wrong/\n[TRV]\n;CD=/commented/\nCD=/first/\nCD=/second/\n[TRV]\nHD=/late/\n");
    EXPECT_EQ(ini.value("TRV", "CD"), std::optional<QString>("/first/"));
    // Only the first section of a name is read.
    EXPECT_FALSE(ini.value("TRV", "HD").has_value());
    EXPECT_EQ(ini.value("TRV", "HD", "Chyba"), QStringLiteral("Chyba"));
}

TEST(IniFile, EmptyValueCountsAsMissing)
{
    const IniFile ini("[TRV]\nCD=\nHD=\"\"\n");
    EXPECT_FALSE(ini.directory("TRV", "CD").has_value());
    EXPECT_FALSE(ini.directory("TRV", "HD").has_value());
}

TEST(IniFile, DirectoryGetsOneSeparator)
{
    const IniFile ini("[TRV]\nCD=/media/cd\nHD=/data/\nX=C:\\Orbeta\\\nQ=\"/quoted dir\"\n");
    EXPECT_EQ(ini.directory("TRV", "CD"), std::optional<QString>("/media/cd/"));
    EXPECT_EQ(ini.directory("TRV", "HD"), std::optional<QString>("/data/"));
    EXPECT_EQ(ini.directory("TRV", "X"), std::optional<QString>("C:\\Orbeta\\"));
    EXPECT_EQ(ini.directory("TRV", "Q"), std::optional<QString>("/quoted dir/"));
}
