// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/MarkTableFile.h"

#include <gtest/gtest.h>

using orbeta::MarkRow;
using orbeta::MarkTableFile;

TEST(MarkTableFile, NamedCases)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        int row;
        MarkRow expected;
    };
    const QByteArray school = "0|30|5\r\n30|50|4\r\n50|75|3\r\n75|90|2\r\n90|100|1\r\n";
    // A 3, a "|", a letter and a "|" store 3, 0 and 0; text after a third "|" is ignored.
    const QByteArray damaged = "3|a|\r\n10|20\r\n1|2|3|999|x\r\n";
    const Case cases[] = {
        {"first row", school, 0, {0, 30, 5}},
        {"last row", school, 4, {90, 100, 1}},
        {"non-numeric field stores zero", damaged, 0, {3, 0, 0}},
        {"missing field stores zero", damaged, 1, {10, 20, 0}},
        {"fields after the third ignored", damaged, 2, {1, 2, 3}},
        {"missing line stores zeros", damaged, 4, {0, 0, 0}},
        {"lines after the fifth ignored", "1|1|1\n2|2|2\n3|3|3\n4|4|4\n5|5|5\n6|999|6\n", 4, {5, 5, 5}},
        {"fractions round half to even", "69.5|70.5|2.6\r\n", 0, {70, 70, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto result = MarkTableFile::parse(c.bytes, "Znamky.dat");
        ASSERT_TRUE(result.ok()) << result.error().message().toStdString();
        const MarkRow& row = result.value().at(static_cast<std::size_t>(c.row));
        EXPECT_EQ(row.lower, c.expected.lower);
        EXPECT_EQ(row.upper, c.expected.upper);
        EXPECT_EQ(row.mark, c.expected.mark);
    }
}

TEST(MarkTableFile, ValuesOutsideAByteAreReportedWithTheirLine)
{
    for (const char* bytes : {"0|30|5\r\n30|256|4\r\n", "0|30|5\r\n-1|50|4\r\n", "0|30|5\r\n1e99|50|4\r\n"}) {
        const auto result = MarkTableFile::parse(bytes, "Znamky.dat");
        ASSERT_FALSE(result.ok()) << bytes;
        EXPECT_EQ(result.error().line, 2) << result.error().message().toStdString();
        EXPECT_EQ(result.error().file, QStringLiteral("Znamky.dat"));
    }
}

TEST(MarkTableFile, AGradingTableMustGiveEveryPercentageAMark)
{
    struct Case {
        const char* bytes;
        const char* refusedPercent; // nullptr when the table is complete
    };
    const Case cases[] = {
        {"0|30|5\r\n30|50|4\r\n50|75|3\r\n75|90|2\r\n90|100|1\r\n", nullptr},
        {"0|49|5\r\n50|100|1\r\n0|0|5\r\n0|0|5\r\n0|0|5", nullptr},
        // Fewer lines: the missing rows take no part.
        {"0|50|4\r\n50|75|3\r\n75|90|2\r\n90|100|1\r\n", nullptr},
        {"0|100|1", nullptr},
        {"", "0 %"},
        {"0|30|5\r\n30|50|4\r\n50|75|3\r\n75|89|2\r\n91|100|1\r\n", "90 %"},
        {"1|30|5\r\n30|50|4\r\n50|75|3\r\n75|90|2\r\n90|100|1\r\n", "0 %"},
        {"0|30|5\r\n30|49|4\r\n51|75|3\r\n75|90|2\r\n90|100|1\r\n", "50 %"},
        {"0|30|5\r\n30|50|0\r\n50|75|3\r\n75|90|2\r\n90|100|1\r\n", "31 %"},
    };
    for (const Case& c : cases) {
        const auto result = MarkTableFile::parseComplete(c.bytes, "Znamky.dat");
        EXPECT_EQ(result.ok(), c.refusedPercent == nullptr) << c.bytes << " " << c.refusedPercent;
        if (!result.ok() && c.refusedPercent) {
            EXPECT_TRUE(result.error().message().startsWith(QStringLiteral("Súbor Znamky.dat: ") + c.refusedPercent))
                << result.error().message().toStdString();
        }
    }
}
