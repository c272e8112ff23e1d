// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/Cp1250.h"
#include "formats/LineCodec.h"

#include <gtest/gtest.h>

using orbeta::Cp1250;
using orbeta::LineCodec;

TEST(LineCodec, KeepsEveryFourthCharacter)
{
    EXPECT_EQ(LineCodec::decodeLine(QStringLiteral("abcXdefYghiZ")), QStringLiteral("XYZ"));
    EXPECT_EQ(LineCodec::decodeLine(QStringLiteral("abcXde")), QStringLiteral("X"));
    EXPECT_EQ(LineCodec::decodeLine(QStringLiteral("abc")), QString());
}

TEST(LineCodec, EncodedLinesDecodeBackAndAreReproducible)
{
    const QString text = QStringLiteral("Vypočítaj hustotu#ľťôä#");
    const QString stored = LineCodec::encodeLine(text, 7);
    EXPECT_EQ(stored.size(), text.size() * 4);
    EXPECT_EQ(LineCodec::decodeLine(stored), text);
    EXPECT_EQ(stored, LineCodec::encodeLine(text, 7));
    EXPECT_NE(stored, LineCodec::encodeLine(text, 8));
}

TEST(LineCodec, SplitsFieldsAtHash)
{
    EXPECT_EQ(LineCodec::splitFields(QStringLiteral("a##c")), (QStringList{"a", "", "c"}));
    EXPECT_EQ(LineCodec::splitFields(QStringLiteral("plain")), (QStringList{"plain"}));
}

TEST(LineCodec, PhysicalLinesEndAtCrLfLfOrCr)
{
    EXPECT_EQ(LineCodec::physicalLines("a\r\nb\r\n"), (QStringList{"a", "b"}));
    EXPECT_EQ(LineCodec::physicalLines("a\nb"), (QStringList{"a", "b"}));
    EXPECT_EQ(LineCodec::physicalLines("a\r\r\nc"), (QStringList{"a", "", "c"}));
    EXPECT_TRUE(LineCodec::physicalLines("").isEmpty());
}

TEST(LineCodec, FileRoundTripInWindows1250)
{
    const QStringList lines{QStringLiteral("Ohmov zákon#U = R·I#"), QString(), QStringLiteral("Ű ú má")};
    const QByteArray file = LineCodec::encodeFile(lines, 3);
    EXPECT_TRUE(file.endsWith("\r\n"));
    EXPECT_EQ(LineCodec::decodedLines(file), lines);
}

TEST(Cp1250, MapsCentralEuropeanLetters)
{
    EXPECT_EQ(Cp1250::decode(QByteArray::fromHex("e1e2c38a9edb")), QStringLiteral("áâĂŠžŰ"));
    EXPECT_EQ(Cp1250::encode(QStringLiteral("ľťôä")), std::optional<QByteArray>(QByteArray::fromHex("be9df4e4")));
    EXPECT_FALSE(Cp1250::encode(QStringLiteral("Ω")).has_value());
    EXPECT_EQ(Cp1250::encodeLossy(QStringLiteral("aΩb")), QByteArray("a?b"));
}
