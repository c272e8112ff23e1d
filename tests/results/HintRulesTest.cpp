// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/hint/HintLayout.h"
#include "results/hint/HintTextFit.h"
#include "tasks/TaskTable.h"

#include <gtest/gtest.h>

#include <optional>

using namespace orbeta;

TEST(HintLayout, TextOrPictureBoxStaysInsideTheWindow)
{
    for (const TaskRow& row : TaskTable::rows()) {
        const HintLayout h = HintLayout::forTask(TaskTable::code(row));
        const QRect window(QPoint(0, 0), h.windowSize());
        EXPECT_TRUE(window.contains(h.showsText() ? h.textArea() : h.pictureArea())) << row.code;
    }
    EXPECT_TRUE(HintLayout::forTask(QStringLiteral("0")).picture().isEmpty());
    // Only the timeline's persons are centred in their bubble.
    for (const TaskRow& row : TaskTable::rows())
        EXPECT_EQ(HintLayout::forTask(TaskTable::code(row)).textAlignment().testFlag(Qt::AlignHCenter),
                  QByteArray(row.code) == "6b")
            << row.code;
}

// The text shrinks by 0.75 point until it fits the width, never below the
// minimum, and moves down with the smaller sizes to stay centred.
TEST(HintTextFit, NamedCases)
{
    struct Case {
        const char* name;
        double points;
        int textWidth;
        int baseTop;
        double fitPoints;
        std::optional<int> top;
    };
    const Case cases[] = {
        {"fitting text keeps its size and base top", 12, 100, 4, 12, 4},
        // 12/8 * 130 = 195 > 180; 11.25/8 * 130 = 182.8 > 180; 10.5/8 * 130 = 170.6 fits.
        {"shrinks step by step", 12, 130, 4, 10.5, {}},
        {"9.75 points: two pixels lower", 12, 145, 4, 9.75, 6},
        {"9 points: still two pixels lower", 12, 158, 4, 9, 6},
        {"8.25 points: three pixels lower", 12, 170, 13, 8.25, 16},
        {"stops at the lower bound", 12, 5000, 4, HintTextFit::kMinimumPoints, 7},
        {"a size below the bound stays", 7.5, 5000, 4, 7.5, {}},
        {"the size is not reset between texts", 8.25, 10, 4, 8.25, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto r = HintTextFit::fit(c.points, 180, c.textWidth, c.baseTop);
        EXPECT_DOUBLE_EQ(r.points, c.fitPoints);
        if (c.top) {
            EXPECT_EQ(r.top, *c.top);
        }
    }
    EXPECT_EQ(HintTextFit::topFor(11.25, 4), 5);
}
