// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Shortening a text to its box takes a bounded number of measurements of
// bounded length, however long the text: a data file's line may hold megabytes.
#include "look/basics/TextElision.h"

#include <gtest/gtest.h>

#include <algorithm>

using orbeta::TextElision;

namespace {

// Every character one unit wide; counts the measurements and their length.
struct CountingMeasure {
    int calls = 0;
    qsizetype longest = 0;

    TextElision::Measure measure()
    {
        return [this](const QString& text) {
            ++calls;
            longest = std::max(longest, text.size());
            return qreal(text.size());
        };
    }
};

} // namespace

TEST(TextElision, AFittingTextStaysAndALongOneEndsInAnEllipsis)
{
    CountingMeasure counting;
    EXPECT_EQ(TextElision::elide(QStringLiteral("Volta"), 5, counting.measure(), 50), QStringLiteral("Volta"));
    EXPECT_EQ(TextElision::elide(QStringLiteral("Ampère"), 5, counting.measure(), 50), QStringLiteral("Ampè…"));
    // Even the ellipsis alone is what a box too narrow for anything gets.
    EXPECT_EQ(TextElision::elide(QStringLiteral("Ohm"), 0.5, counting.measure(), 50), QStringLiteral("…"));
}

TEST(TextElision, SixteenMillionCharactersCostAFewShortMeasurements)
{
    const QString text(16 * 1024 * 1024, QLatin1Char('a'));
    CountingMeasure counting;
    const qsizetype most = TextElision::mostCharacters(100, 10);
    const QString shown = TextElision::elide(text, 100, counting.measure(), most);
    EXPECT_EQ(shown, QString(99, QLatin1Char('a')) + QChar(0x2026));
    EXPECT_LE(counting.calls, 16);
    EXPECT_LE(counting.longest, most + 2);
    EXPECT_FALSE(TextElision::fits(text, 1.0e9, counting.measure(), most));
}

TEST(TextElision, ACharacterOutsideTheBasicPlaneIsNeverCutInHalf)
{
    const QString text = QStringLiteral("ab") + QString::fromUcs4(U"\U0001D44E\U0001D44E\U0001D44E");
    for (qreal width = 1; width < 8; ++width) {
        CountingMeasure counting;
        const QString shown = TextElision::elide(text, width, counting.measure(), 50);
        for (qsizetype i = 0; i < shown.size(); ++i)
            EXPECT_FALSE(shown.at(i).isHighSurrogate() && (i + 1 == shown.size() || !shown.at(i + 1).isLowSurrogate()))
                << width;
    }
}

TEST(TextElision, ALetterIsNeverCutFromItsAccents)
{
    // "Štefan Banič" with the carons as combining marks after their letters.
    const QString text = QStringLiteral("S\u030Ctefan Banic\u030C a c\u030Cs\u030C");
    for (qreal width = 1; width < text.size(); ++width) {
        CountingMeasure counting;
        const QString shown = TextElision::elide(text, width, counting.measure(), 50);
        if (shown == text)
            continue;
        ASSERT_TRUE(shown.endsWith(QChar(0x2026))) << width;
        const QString start = shown.chopped(1);
        ASSERT_TRUE(text.startsWith(start)) << width;
        EXPECT_FALSE(text.at(start.size()).isMark()) << width;
    }
}
