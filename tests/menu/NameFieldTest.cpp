// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "menu/NameField.h"

#include <gtest/gtest.h>

using orbeta::NameField;

TEST(NameField, BlanksOnlyStayEmpty)
{
    EXPECT_EQ(NameField::clean(QStringLiteral("   "), 3).text, QString());
    EXPECT_EQ(NameField::clean(QStringLiteral("  Eva "), 6).text, QStringLiteral("Eva "));
    EXPECT_EQ(NameField::clean(QStringLiteral("Ján Novák"), 9).text, QStringLiteral("Ján Novák"));
}

TEST(NameField, RefusesWhatBreaksTheResultFiles)
{
    EXPECT_EQ(NameField::clean(QStringLiteral("Eva|7|3"), 7).text, QStringLiteral("Eva73"));
    EXPECT_EQ(NameField::clean(QStringLiteral("Eva\nNová\r\tX"), 11).text, QStringLiteral("EvaNováX"));
    EXPECT_EQ(NameField::clean(QString::fromUtf8("Zoë Łukasz 李 😀"), 14).text, QString::fromUtf8("Zoë Łukasz  "));
    EXPECT_FALSE(NameField::accepts(QChar(0x2028)));
}

TEST(NameField, KeepsSlovakLetters)
{
    const QString name = QString::fromUtf8("Ľubomír Ťažký Ôžňä Ŕ");
    EXPECT_EQ(NameField::clean(name, 0).text, name);
}

TEST(NameField, CutsAtFiftyCharacters)
{
    const QString tooLong(60, QLatin1Char('a'));
    const auto edit = NameField::clean(tooLong, 60);
    EXPECT_EQ(edit.text.size(), NameField::kMaxLength);
    EXPECT_EQ(edit.cursor, NameField::kMaxLength);
}

TEST(NameField, CursorFollowsTheTextBeforeIt)
{
    // "a|b" with the cursor after "|" keeps it after "a".
    EXPECT_EQ(NameField::clean(QStringLiteral("a|b"), 2).cursor, 1);
    // Removing two leading blanks moves the cursor two places left.
    EXPECT_EQ(NameField::clean(QStringLiteral("  Jo"), 4).cursor, 2);
    EXPECT_EQ(NameField::clean(QStringLiteral(" "), 1).cursor, 0);
    EXPECT_EQ(NameField::clean(QStringLiteral("Jo"), 0).cursor, 0);
}
