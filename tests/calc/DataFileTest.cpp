// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/data/DataFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace orbeta;

TEST(LoadDataFile, MissingFileIsAnErrorNamingIt)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("1a.dat");
    const auto missing = LoadDataFile(path);
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().line, 0);
    EXPECT_EQ(missing.error().message(), QStringLiteral("Súbor %1: chýba.").arg(path));
    EXPECT_FALSE(LoadDataFile(dir.path()).ok());

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("abcX\r\n");
    file.close();
    const auto present = LoadDataFile(path);
    ASSERT_TRUE(present.ok());
    EXPECT_EQ(present.value(), QByteArray("abcX\r\n"));
}
