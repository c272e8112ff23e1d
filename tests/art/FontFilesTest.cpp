// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Loading the program's type reports what did not load, so that start-up can name it.
#include "look/basics/FontFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orbeta;

TEST(FontFiles, TheInstalledDejaVuSansLoads)
{
    EXPECT_EQ(FontFiles::load(FontFiles::dejaVuSans()), QStringList());
}

TEST(FontFiles, MissingAndDamagedFilesAreNamedLoadedOnesAreNot)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString damaged = dir.filePath(QStringLiteral("damaged.ttf"));
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a font");
    file.close();
    const QString missing = dir.filePath(QStringLiteral("missing.ttf"));

    EXPECT_EQ(FontFiles::load({missing, FontFiles::dejaVuSans().front(), damaged}), QStringList({missing, damaged}));
}
