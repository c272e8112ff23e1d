// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/grading/CheckExample.h"
#include "calc/grading/RightAnswer.h"
#include "calc/grading/WrongAnswer.h"
#include "tests/support/CalcTestTables.h"

#include <gtest/gtest.h>

using namespace orbeta;

namespace {

// The answer the tour and the series tests type is right for every variant,
// and one digit off in any asked box makes it wrong.
TEST(RightAnswerTest, IsJudgedRightAndASlipInItIsNot)
{
    for (CalcTask task : {CalcTask::LiquidDensity, CalcTask::SolidDensity, CalcTask::UniformMotion,
                          CalcTask::NonUniformMotion}) {
        for (std::uint64_t seed = 1; seed <= 300; ++seed) {
            const CalcExample e = test::generated(task, seed);
            SCOPED_TRACE(testing::Message() << calcTaskCode(task).toStdString() << " seed " << seed);
            const CalcAnswer right = RightAnswer(e);
            ASSERT_TRUE(CheckExample(e, right));
            CalcAnswer slip = right;
            if (e.tableActive()) {
                slip.markedRow = right.markedRow % e.tableRows + 1;
            } else if (e.task == CalcTask::NonUniformMotion && e.asked == 3) {
                slip.finishBoxes[1] = QString::number(right.finishBoxes[1].toInt() + 1);
            } else {
                for (std::size_t i = 0; i < slip.boxes.size(); ++i)
                    if (e.boxes[i].used && e.boxes[i].text.isEmpty())
                        slip.boxes[i] = QLatin1Char('9') + slip.boxes[i];
            }
            EXPECT_FALSE(CheckExample(e, slip));
        }
    }
}

// The tour shows the wrong-answer screens of every task with this answer: it
// must be judged wrong in every variant, and change only what the pupil fills.
TEST(WrongAnswerTest, IsJudgedWrongForEveryTaskAndKeepsTheGivenValues)
{
    for (CalcTask task : kAllCalcTasks) {
        for (std::uint64_t seed = 1; seed <= 200; ++seed) {
            const CalcExample e = test::generated(task, seed);
            SCOPED_TRACE(testing::Message() << calcTaskCode(task).toStdString() << " seed " << seed);
            const CalcAnswer wrong = WrongAnswer(e);
            ASSERT_FALSE(CheckExample(e, wrong));
            for (std::size_t i = 0; i < wrong.boxes.size(); ++i)
                if (e.boxes[i].used && !e.boxes[i].text.isEmpty()) {
                    EXPECT_EQ(wrong.boxes[i], RightAnswer(e).boxes[i]) << "given box " << i + 1;
                }
        }
    }
}

} // namespace
