// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/LineCodec.h"
#include "formats/TextTables.h"

#include <gtest/gtest.h>

using orbeta::LineCodec;
using orbeta::TextTables;

TEST(TextTables, AssignmentIsTheSecondField)
{
    const QByteArray file = LineCodec::encodeFile(
        {QStringLiteral("1a#Vypočítaj hustotu kvapaliny.#poznámka"), QStringLiteral("bez oddeľovača"),
         QStringLiteral("#druhý#"), QStringLiteral("x#")},
        5);
    const auto table = TextTables::readAssignmentTexts(file);
    EXPECT_TRUE(table.at(0).isEmpty());
    EXPECT_EQ(table.at(1), QStringLiteral("Vypočítaj hustotu kvapaliny."));
    EXPECT_TRUE(table.at(2).isEmpty());
    EXPECT_EQ(table.at(3), QStringLiteral("druhý"));
    EXPECT_TRUE(table.at(4).isEmpty());
    EXPECT_TRUE(table.at(5).isEmpty());
}

TEST(TextTables, HintsKeepWholeLinesAndShortFilesLeaveTheRestEmpty)
{
    const QByteArray file = LineCodec::encodeFile({QStringLiteral("Odpor: "), QStringLiteral("a#b")}, 9);
    const auto table = TextTables::readHintTexts(file);
    EXPECT_EQ(table.at(1), QStringLiteral("Odpor: "));
    EXPECT_EQ(table.at(2), QStringLiteral("a#b"));
    for (int i = 3; i <= 70; ++i)
        EXPECT_TRUE(table.at(i).isEmpty()) << i;
}

TEST(TextTables, LinesAfterTheSeventiethAreIgnored)
{
    QStringList lines;
    for (int i = 1; i <= 300; ++i)
        lines.append(QStringLiteral("n#%1#").arg(i));
    const auto table = TextTables::readAssignmentTexts(LineCodec::encodeFile(lines, 1));
    EXPECT_EQ(table.at(70), QStringLiteral("70"));
    EXPECT_EQ(table.size(), 71u);
    EXPECT_TRUE(TextTables::readHintTexts(QByteArray()).at(1).isEmpty());
}

// An empty or shortened file, or a line whose text was deleted, would show a
// task without its assignment: the first such line is named with the path.
TEST(TextTables, TheFirstLineWithoutATextIsNamed)
{
    QStringList lines;
    for (int n = 1; n <= 5; ++n)
        lines << QStringLiteral("%1#Zadanie %1#").arg(n);
    const auto full = TextTables::readAssignmentTexts(LineCodec::encodeFile(lines, 5));
    EXPECT_FALSE(TextTables::firstMissing(full, 5, QStringLiteral("/hd/Zadani.dat")));
    const auto missing = TextTables::firstMissing(full, 6, QStringLiteral("/hd/Zadani.dat"));
    ASSERT_TRUE(missing);
    EXPECT_TRUE(missing->message().startsWith(QStringLiteral("Súbor /hd/Zadani.dat, riadok 6: ")));
    lines[2] = QStringLiteral("3#  #");
    const auto blank = TextTables::firstMissing(TextTables::readAssignmentTexts(LineCodec::encodeFile(lines, 5)), 5,
                                                QStringLiteral("Zadani.dat"));
    ASSERT_TRUE(blank);
    EXPECT_EQ(blank->line, 3);
    EXPECT_EQ(TextTables::firstMissing(TextTables::readHintTexts(QByteArray()), 1, QStringLiteral("N"))->line, 1);
}
