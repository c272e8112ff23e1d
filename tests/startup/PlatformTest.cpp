// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/DriveType.h"
#include "files/ResourcePath.h"
#include "files/WindowsDirectory.h"
#include "services/KeyboardLayoutCycle.h"
#include "startup/LaunchOptions.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orbeta;

TEST(ResourcePath, ResolvesBackslashNamesCaseInsensitively)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("bitmap/GAMES"));
    QFile file(dir.filePath("bitmap/GAMES/Bg_1.BMP"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const QString root = dir.path() + "/";
    EXPECT_EQ(ResourcePath::find(root, "Bitmap\\Games\\bg_1.bmp"), std::optional<QString>(file.fileName()));
    EXPECT_TRUE(ResourcePath::exists(dir.path(), "BITMAP/games/BG_1.bmp"));
    EXPECT_FALSE(ResourcePath::exists(root, "Bitmap\\Games"));
    EXPECT_FALSE(ResourcePath::exists(root, "Bitmap\\Tab\\bckg.bmp"));
    EXPECT_EQ(ResourcePath::resolve(root, "Bitmap\\Tab\\bckg.bmp"), root + "Bitmap/Tab/bckg.bmp");
    EXPECT_FALSE(ResourcePath::exists(QString(), "x"));

    // Two folders that differ only in case: the file is found in either.
    ASSERT_TRUE(QDir(dir.path()).mkpath("Bitmap/Select"));
    QFile other(dir.filePath("Bitmap/Select/bckg.bmp"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.close();
    EXPECT_TRUE(ResourcePath::exists(root, "Bitmap\\Games\\bg_1.bmp"));
    EXPECT_TRUE(ResourcePath::exists(root, "BITMAP\\select\\BCKG.bmp"));
}

TEST(WindowsDirectory, EnvironmentThenProgramDirThenTheConfigurationFolder)
{
    const auto none = [](const QString&) { return false; };
    const auto beside = [](const QString& p) { return p == "/opt/o/bin/Orbeta.ini"; };
    EXPECT_EQ(WindowsDirectory::locate("/etc/orbeta", "/opt/o/bin", beside), QStringLiteral("/etc/orbeta/"));
    EXPECT_EQ(WindowsDirectory::locate("", "/opt/o/bin", beside), QStringLiteral("/opt/o/bin/"));
    EXPECT_EQ(WindowsDirectory::locate("", "/opt/o/bin", none), QStringLiteral("/opt/o/etc/orbeta/"));
    EXPECT_EQ(WindowsDirectory::locate("", "/usr/bin", none), QStringLiteral("/etc/orbeta/"));
    EXPECT_EQ(WindowsDirectory::locate("", "/usr/local/bin/", none), QStringLiteral("/usr/local/etc/orbeta/"));
}

TEST(DriveType, FromFileSystem)
{
    EXPECT_EQ(DriveType::fromFileSystem("iso9660", true), DriveType::kCdRom);
    EXPECT_EQ(DriveType::fromFileSystem("UDF", false), DriveType::kCdRom);
    EXPECT_EQ(DriveType::fromFileSystem("nfs4", false), DriveType::kRemote);
    EXPECT_EQ(DriveType::fromFileSystem("fuse.sshfs", false), DriveType::kRemote);
    EXPECT_EQ(DriveType::fromFileSystem("tmpfs", false), DriveType::kRamDisk);
    EXPECT_EQ(DriveType::fromFileSystem("vfat", true), DriveType::kRemovable);
    EXPECT_EQ(DriveType::fromFileSystem("ext4", false), DriveType::kFixed);
    const auto drive = DriveType::of(QDir::tempPath());
    EXPECT_TRUE(drive.root.endsWith('/'));
}

namespace {

// A cycle of installed layouts; activating the previous one steps backwards.
class FakeLayouts : public KeyboardLayouts {
public:
    explicit FakeLayouts(QStringList cycle, int active = 0, bool canLoad = true)
        : cycle_(std::move(cycle))
        , active_(active)
        , canLoad_(canLoad)
    {
    }
    void activatePrevious() override
    {
        ++turns;
        active_ = (active_ + int(cycle_.size()) - 1) % int(cycle_.size());
    }
    QString activeName() const override { return cycle_.at(active_); }
    bool load(const QString& name) override
    {
        if (!canLoad_)
            return false;
        cycle_.insert(active_ + 1, name);
        return true;
    }
    int turns = 0;

private:
    QStringList cycle_;
    int active_;
    bool canLoad_;
};

} // namespace

TEST(KeyboardLayoutCycle, SelectsUsAndComesBackToIt)
{
    FakeLayouts layouts({"0000041B", "00000409", "00000405"}, 2);
    QString current;
    EXPECT_TRUE(KeyboardLayoutCycle::selectUs(layouts, current));
    EXPECT_EQ(current, QStringLiteral("00000409"));
    EXPECT_EQ(layouts.activeName(), QStringLiteral("00000409"));

    // Already US: the cycle goes round once and lands on US again.
    FakeLayouts usOnly({"00000409", "0000041B"}, 0);
    EXPECT_TRUE(KeyboardLayoutCycle::selectUs(usOnly, current));
    EXPECT_EQ(usOnly.activeName(), QStringLiteral("00000409"));
    EXPECT_EQ(usOnly.turns, 2);
}

TEST(KeyboardLayoutCycle, LoadsUsWhenMissingAndGivesUpWhenRefused)
{
    FakeLayouts loadable({"0000041B", "00000405"});
    QString current;
    EXPECT_TRUE(KeyboardLayoutCycle::selectUs(loadable, current));
    EXPECT_EQ(current, QStringLiteral("00000409"));

    FakeLayouts refused({"0000041B", "00000405"}, 0, false);
    EXPECT_FALSE(KeyboardLayoutCycle::selectUs(refused, current));
    EXPECT_EQ(refused.turns, KeyboardLayoutCycle::kMaxTurns);

    FakeLayouts removed({"00000409", "00000405"});
    EXPECT_FALSE(KeyboardLayoutCycle::restore(removed, "0000041B", current));
    EXPECT_EQ(removed.turns, KeyboardLayoutCycle::kMaxTurns);

    FakeLayouts back({"0000041B", "00000409", "00000405"}, 1);
    EXPECT_TRUE(KeyboardLayoutCycle::restore(back, "0000041B", current));
    EXPECT_EQ(back.activeName(), QStringLiteral("0000041B"));
}

TEST(LaunchOptions, Parses)
{
    const auto options = LaunchOptions::parse({"--window", "--tour", "/tmp/t"}, false, false);
    ASSERT_TRUE(options.has_value());
    EXPECT_TRUE(options->window);
    EXPECT_EQ(options->tourDir, QStringLiteral("/tmp/t"));
    EXPECT_TRUE(LaunchOptions::parse({}, true, false)->skipSplash);
    EXPECT_TRUE(LaunchOptions::parse({"--no-splash"}, false, false)->skipSplash);
    EXPECT_FALSE(LaunchOptions::parse({"--tour"}, false, false).has_value());
    EXPECT_FALSE(LaunchOptions::parse({"--fast"}, false, false).has_value());
}

TEST(LaunchOptions, SeedFromTheCommandLineOrTheEnvironment)
{
    EXPECT_EQ(LaunchOptions::parse({"--seed", "42"}, false, false)->seed, 42u);
    EXPECT_EQ(LaunchOptions::parse({"--seed=18446744073709551615"}, false, false)->seed, 18446744073709551615u);
    EXPECT_EQ(LaunchOptions::parse({}, false, false, QStringLiteral("7"))->seed, 7u);
    // The command line wins over the environment.
    EXPECT_EQ(LaunchOptions::parse({"--seed", "3"}, false, false, QStringLiteral("7"))->seed, 3u);
    EXPECT_FALSE(LaunchOptions::parse({}, false, false)->seed.has_value());
    for (const char* bad : {"", "-1", "1e3", "18446744073709551616", " 5", "x"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(LaunchOptions::parse({"--seed", QString::fromLatin1(bad)}, false, false).has_value());
        if (*bad) {
            EXPECT_FALSE(LaunchOptions::parse({}, false, false, QString::fromLatin1(bad)).has_value());
        }
    }
    EXPECT_FALSE(LaunchOptions::parse({"--seed"}, false, false).has_value());
}
