// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The small rules of Slovak text the messages and the hint window share.
#include "formats/SiglaText.h"
#include "formats/SlovakCount.h"

#include <gtest/gtest.h>

using namespace orbeta;

TEST(SlovakCount, TheNounFollowsTheNumber)
{
    const auto rows = [](int n) { return SlovakCount::of(n, u"riadok", u"riadky", u"riadkov"); };
    EXPECT_EQ(rows(0), QStringLiteral("0 riadkov"));
    EXPECT_EQ(rows(1), QStringLiteral("1 riadok"));
    EXPECT_EQ(rows(2), QStringLiteral("2 riadky"));
    EXPECT_EQ(rows(4), QStringLiteral("4 riadky"));
    EXPECT_EQ(rows(5), QStringLiteral("5 riadkov"));
    EXPECT_EQ(rows(11), QStringLiteral("11 riadkov"));
    EXPECT_EQ(rows(22), QStringLiteral("22 riadkov"));
}

// Only Sigla's symbols go to Sigla: it draws Slovak letters such as "ú" as symbols.
TEST(SiglaText, RunsGiveSiglaOnlyItsSymbols)
{
    const QList<SiglaText::Run> ohm = SiglaText::runs(u"Odpor: 50 Ω");
    ASSERT_EQ(ohm.size(), 2);
    EXPECT_EQ(ohm[0].text, QStringLiteral("Odpor: 50 "));
    EXPECT_FALSE(ohm[0].sigla);
    EXPECT_EQ(ohm[1].text, QStringLiteral("Ω"));
    EXPECT_TRUE(ohm[1].sigla);

    const QList<SiglaText::Run> current = SiglaText::runs(u"Prúd: 0,5 A");
    ASSERT_EQ(current.size(), 1);
    EXPECT_FALSE(current[0].sigla);

    const QList<SiglaText::Run> density = SiglaText::runs(u"ρ = 0,79 g/cm³");
    ASSERT_EQ(density.size(), 3);
    EXPECT_TRUE(density[0].sigla);
    EXPECT_EQ(density[1].text, QStringLiteral(" = 0,79 g/cm"));
    EXPECT_TRUE(density[2].sigla);

    EXPECT_TRUE(SiglaText::runs(u"").isEmpty());
}
