// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/LeadingNumber.h"
#include "formats/WholeNumber.h"

#include <QString>

#include <gtest/gtest.h>

#include <cmath>

using orbeta::LeadingNumber;
using orbeta::ParseWholeNumber;

TEST(LeadingNumber, ReadsTheNumberAtTheStartAndIgnoresTheRest)
{
    EXPECT_EQ(LeadingNumber::parse(u"70"), 70.0);
    EXPECT_EQ(LeadingNumber::parse(u"  -12abc"), -12.0);
    EXPECT_EQ(LeadingNumber::parse(u"+3.25|x"), 3.25);
    EXPECT_EQ(LeadingNumber::parse(u".5"), 0.5);
    EXPECT_EQ(LeadingNumber::parse(u"1E3x"), 1000.0);
    EXPECT_EQ(LeadingNumber::parse(u"2d-1"), 0.2);
    EXPECT_EQ(LeadingNumber::parse(u"5E"), 5.0);
    EXPECT_EQ(LeadingNumber::parse(u"4,7"), 4.0);
}

TEST(LeadingNumber, TextWithoutANumberGivesZero)
{
    for (const char16_t* text : {u"", u"abc", u"-", u".", u"+.e5", u"\u00A0" u"5"})
        EXPECT_EQ(LeadingNumber::parse(text), 0.0) << QString::fromUtf16(text).toStdString();
}

TEST(LeadingNumber, HugeExponentsSaturateInsteadOfFailing)
{
    EXPECT_TRUE(std::isinf(LeadingNumber::parse(u"1e999")));
    EXPECT_EQ(LeadingNumber::parse(u"1e-999"), 0.0);
    EXPECT_EQ(LeadingNumber::parse(u"99999999999999999999"), 1e20);
}

// A seed or a count as typed: decimal digits only, up to the largest 64-bit number.
TEST(WholeNumber, TakesOnlyDigitsThatFitSixtyFourBits)
{
    EXPECT_EQ(ParseWholeNumber(QStringLiteral("0")), 0u);
    EXPECT_EQ(ParseWholeNumber(QStringLiteral("0042")), 42u);
    EXPECT_EQ(ParseWholeNumber(QStringLiteral("18446744073709551615")), UINT64_MAX);
    for (const char* text : {"", "18446744073709551616", "99999999999999999999", "-1", "+1", " 1", "1e3", "12a"})
        EXPECT_FALSE(ParseWholeNumber(QString::fromLatin1(text))) << text;
}
