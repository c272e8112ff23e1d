// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules of a worksheet's pages: which slots are filled, how the
// assignment wraps and where the legend goes, and the footer's code.
#include "print/plan/AssignmentLines.h"
#include "print/plan/WorksheetCode.h"
#include "print/plan/WorksheetPlan.h"

#include <gtest/gtest.h>

using namespace orbeta;
using namespace orbeta::print;

namespace {

const TaskRow& task(const char* code)
{
    const TaskRow* row = TaskTable::find(QString::fromLatin1(code));
    EXPECT_NE(row, nullptr);
    return *row;
}

std::vector<int> firstItems(const WorksheetPlan& plan, int page)
{
    std::vector<int> items;
    for (const SlotPlace& place : plan.slotsOn(page))
        items.push_back(place.firstItem);
    return items;
}

} // namespace

TEST(WorksheetPlan, LastPagesLeaveTheirSlotsEmpty)
{
    const WorksheetPlan density(task("1a"), 8);
    EXPECT_EQ(density.pageCount(), 3);
    EXPECT_EQ(firstItems(density, 3), (std::vector<int>{6, 7}));

    const WorksheetPlan motion(task("1c"), 15);
    EXPECT_EQ(motion.pageCount(), 4);
    EXPECT_EQ(firstItems(motion, 4), (std::vector<int>{12, 13, 14}));
    EXPECT_EQ(motion.slotsOn(4).back().topMm, 156);

    const WorksheetPlan timeline(task("6b"), 25);
    EXPECT_EQ(timeline.pageCount(), 2);
    EXPECT_EQ(firstItems(timeline, 1), (std::vector<int>{0, 5, 10, 15}));
    EXPECT_EQ(firstItems(timeline, 2), (std::vector<int>{20}));
    EXPECT_EQ(timeline.slotsOn(2).front().topMm, 60);

    // A count the setup screen does not offer still gets as many pages as it fills.
    EXPECT_EQ(WorksheetPlan(task("1a"), 1).pageCount(), 1);
}

// Every count of the setup screen fills its pages: each example has a slot,
// and no page is left without one.
TEST(WorksheetPlan, EveryOfferedCountHasItsSlotsAndNoBlankPage)
{
    for (const TaskRow& row : TaskTable::rows()) {
        for (int count : TaskTable::countsOffered(row.group)) {
            SCOPED_TRACE(std::string(row.code) + " " + std::to_string(count));
            const WorksheetPlan plan(row, count);
            int items = 0;
            for (int page = 1; page <= plan.pageCount(); ++page) {
                const auto places = plan.slotsOn(page);
                EXPECT_FALSE(places.empty());
                for (const SlotPlace& place : places) {
                    EXPECT_EQ(place.firstItem, items);
                    // The slot's scene starts 20 mm above its top, below the title.
                    EXPECT_GE(place.topMm - 20, 20);
                    EXPECT_LE(place.topMm, 282 - 40);
                    items += plan.itemsPerSlot();
                }
            }
            EXPECT_EQ(items, count);
            EXPECT_TRUE(WorksheetPlan::countAllowed(row, count));
        }
    }
    EXPECT_FALSE(WorksheetPlan::countAllowed(task("1a"), 0));
    EXPECT_FALSE(WorksheetPlan::countAllowed(task("1a"), 16));
    EXPECT_FALSE(WorksheetPlan::countAllowed(task("6a"), 7));
    EXPECT_EQ(WorksheetPlan(task("1a"), 4).pageCount(), 2);
}

TEST(AssignmentLines, WordsFillLinesGreedilyAndNoneIsLost)
{
    // One millimetre per character: "word " is the unit the rule measures.
    const auto width = [](const QString& text) { return double(text.size()); };
    const QString word = QStringLiteral("abcdefghi"); // 10 mm with its blank
    QStringList words;
    for (int i = 0; i < 40; ++i)
        words.append(word);
    const AssignmentLines two = AssignmentLines::wrap(words.join(QLatin1Char(' ')), width);
    EXPECT_EQ(two.lines[0].size(), 190);
    EXPECT_EQ(two.lines[1].size(), 190);
    EXPECT_EQ(two.lines[2].size(), 20);
    EXPECT_TRUE(two.lines[3].isEmpty());

    for (int i = 0; i < 100; ++i)
        words.append(word);
    const AssignmentLines full = AssignmentLines::wrap(words.join(QLatin1Char(' ')), width);
    EXPECT_EQ(full.lines[4].count(word), 140 - 4 * 19);
    EXPECT_FALSE(full.legendTopMm());

    // A word wider than a line stands alone instead of leaving an empty line.
    const AssignmentLines wide = AssignmentLines::wrap(QString(200, QLatin1Char('x')) + QStringLiteral(" end"), width);
    EXPECT_EQ(wide.lines[0].size(), 201);
    EXPECT_EQ(wide.lines[1], QStringLiteral("end "));
}

TEST(AssignmentLines, LegendGoesUnderTheLastLine)
{
    AssignmentLines lines;
    EXPECT_EQ(lines.legendTopMm(), 30);
    lines.lines[0] = QStringLiteral("a ");
    EXPECT_EQ(lines.legendTopMm(), 35);
    lines.lines[3] = QStringLiteral("d ");
    EXPECT_EQ(lines.legendTopMm(), 50);
    lines.lines[4] = QStringLiteral("e ");
    EXPECT_FALSE(lines.legendTopMm());
}

TEST(WorksheetCode, RoundTripsAndRefusesTypos)
{
    for (std::uint64_t seed : {std::uint64_t{0}, std::uint64_t{31}, std::uint64_t{1} << 40,
                               ~std::uint64_t{0}, std::uint64_t{123456789012345}}) {
        const WorksheetCode code{QStringLiteral("6b"), 25, seed};
        EXPECT_EQ(WorksheetCode::parse(code.text()), code) << code.text().toStdString();
        EXPECT_EQ(WorksheetCode::parse(code.text().toLower()), code);
    }
    const QString text = WorksheetCode{QStringLiteral("1a"), 8, 977}.text();
    // A teacher may read O for 0 and l for 1.
    EXPECT_EQ(WorksheetCode::parse(QStringLiteral("1a-8-")
                                   + text.section(QLatin1Char('-'), 2).replace(QLatin1Char('1'), QLatin1Char('l'))),
              (WorksheetCode{QStringLiteral("1a"), 8, 977}));
    QString typo = text;
    typo[5] = typo[5] == QLatin1Char('X') ? QLatin1Char('Y') : QLatin1Char('X');
    EXPECT_FALSE(WorksheetCode::parse(typo));
    QString swapped = text;
    std::swap(swapped[5], swapped[6]);
    if (swapped != text) {
        EXPECT_FALSE(WorksheetCode::parse(swapped));
    }
    EXPECT_FALSE(WorksheetCode::parse(QStringLiteral("1a-8")));
    EXPECT_FALSE(WorksheetCode::parse(QStringLiteral("1a-x-1A8")));
    EXPECT_FALSE(WorksheetCode::parse(QStringLiteral("1a-0008-") + text.section(QLatin1Char('-'), 2)));
    EXPECT_FALSE(WorksheetCode::parse(QStringLiteral("1a-8-ZZZZZZZZZZZZZZ")));
    // A typed task that looks like a placeholder is text like any other.
    const WorksheetCode odd{QStringLiteral("%1"), 1, 977};
    EXPECT_EQ(WorksheetCode::parse(odd.text()), odd) << odd.text().toStdString();
    EXPECT_TRUE(odd.text().startsWith(QLatin1String("%1-1-")));

    ExampleSeeder seeder;
    const std::uint64_t a = WorksheetCode::clockSeed(seeder, 1'760'000'000'000);
    const std::uint64_t b = WorksheetCode::clockSeed(seeder, 1'760'000'000'000);
    EXPECT_NE(a, b);
    EXPECT_LE((WorksheetCode{QStringLiteral("1a"), 15, a}.text().size()), 15);
}
