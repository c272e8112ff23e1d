#include "results/HintLayout.h"
#include "results/HintTextFit.h"
#include "tasks/TaskTable.h"

#include <gtest/gtest.h>

using namespace orbeta;

TEST(HintLayout, OpticsMovesThePictureBox)
{
    const QRect d = HintLayout::designedPictureArea();
    EXPECT_EQ(HintLayout::forTask(QStringLiteral("2e")).pictureArea(), d);
    EXPECT_EQ(HintLayout::forTask(QStringLiteral("4b")).pictureArea(),
              QRect(d.left() + 5, d.top() - 13, d.width() - 10, d.height() + 26));
    EXPECT_TRUE(HintLayout::forTask(QStringLiteral("0")).picture().isEmpty());
}

TEST(HintLayout, TextOrPictureBoxStaysInsideTheWindow)
{
    for (const TaskRow& row : TaskTable::rows()) {
        const HintLayout h = HintLayout::forTask(TaskTable::code(row));
        const QRect window(QPoint(0, 0), h.windowSize());
        EXPECT_TRUE(window.contains(h.showsText() ? h.textArea() : h.pictureArea())) << row.code;
    }
}

TEST(HintTextFit, FittingTextKeepsItsSizeAndBaseTop)
{
    const auto r = HintTextFit::fit(12, 180, 100, 4);
    EXPECT_DOUBLE_EQ(r.points, 12);
    EXPECT_EQ(r.top, 4);
}

TEST(HintTextFit, ShrinksStepByStepWithTheOffsets)
{
    // 12/8 * 130 = 195 > 180; 11.25/8 * 130 = 182.8 > 180; 10.5/8 * 130 = 170.6 fits.
    EXPECT_DOUBLE_EQ(HintTextFit::fit(12, 180, 130, 4).points, 10.5);
    // 9.75 points: two pixels lower.
    const auto a = HintTextFit::fit(12, 180, 145, 4);
    EXPECT_DOUBLE_EQ(a.points, 9.75);
    EXPECT_EQ(a.top, 6);
    // 8.25 points: three pixels lower.
    const auto b = HintTextFit::fit(12, 180, 170, 13);
    EXPECT_DOUBLE_EQ(b.points, 8.25);
    EXPECT_EQ(b.top, 16);
    // Sizes between them keep the text centred as well.
    const auto c = HintTextFit::fit(12, 180, 158, 4);
    EXPECT_DOUBLE_EQ(c.points, 9);
    EXPECT_EQ(c.top, 6);
    EXPECT_EQ(HintTextFit::topFor(11.25, 4), 5);
}

TEST(HintTextFit, StopsAtTheLowerBound)
{
    const auto r = HintTextFit::fit(12, 180, 5000, 4);
    EXPECT_DOUBLE_EQ(r.points, HintTextFit::kMinimumPoints);
    EXPECT_EQ(r.top, 7);
    EXPECT_DOUBLE_EQ(HintTextFit::fit(7.5, 180, 5000, 4).points, 7.5);
}

TEST(HintTextFit, SizeIsNotResetBetweenTexts)
{
    const auto small = HintTextFit::fit(12, 180, 170, 4);
    const auto next = HintTextFit::fit(small.points, 180, 10, 4);
    EXPECT_DOUBLE_EQ(next.points, 8.25);
    EXPECT_EQ(next.top, 7);
}
