// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every solution text of every calculation task fits the bubble its task
// shows it in, and so does a solution with the slip line of a wrong answer
// under it: all its lines, whole, in a font no smaller than a pupil can read.
#include "app/ResultsForms.h"
#include "calc/grading/SolutionText.h"
#include "frame/HintWindow.h"
#include "results/hint/HintTextFit.h"
#include "tasks/TaskTable.h"
#include "tests/support/CalcTestTables.h"
#include "tests/support/FakeServices.h"

#include <QFontMetrics>
#include <QLabel>
#include <gtest/gtest.h>

#include <cmath>

using namespace orbeta;

namespace {

TEST(SolutionBubble, EverySolutionOfEveryTaskFitsItsBubbleAboveTheSmallestFont)
{
    FakeServices services;
    services.resources() =
        Resources(Installation{.resourceDir = qEnvironmentVariable("ORBETA_BUILD_DIR") + QStringLiteral("/cd/")});
    ResultsForms results{services};
    QWidget stage;
    const int smallest = int(std::lround(HintTextFit::kMinimumPoints * 96.0 / 72.0));
    for (CalcTask task : kAllCalcTasks) {
        const QString code = calcTaskCode(task);
        const TaskRow* row = TaskTable::find(code);
        ASSERT_NE(row, nullptr);
        if (row->hint == HintBubble::Picture)
            continue;  // the lever shows its solution as a picture
        HintWindow* window = results.createHint(row->hint, &stage);
        HintWindow* slipWindow = results.createHint(HintBubble::TwoLines, &stage);
        for (std::uint64_t seed = 0; seed < 120; ++seed) {
            const CalcExample example = test::generated(task, seed);
            // The longest slip line there is, after the widest symbol.
            const bool slip = seed % 2 == 1;
            const QString text = slip ? SolutionText(example, QStringLiteral("R₂: hodiny a minúty nie sú záporné."))
                                      : SolutionText(example);
            HintWindow* shown = slip ? slipWindow : window;
            SCOPED_TRACE(code.toStdString() + ": " + text.toStdString());
            shown->Vloz_Text(text);
            QLabel* label = nullptr;
            for (QLabel* candidate : shown->findChildren<QLabel*>())
                if (candidate->text() == text)
                    label = candidate;
            ASSERT_NE(label, nullptr);
            const QFontMetrics metrics(label->font());
            EXPECT_GE(label->font().pixelSize(), smallest);
            const auto lines = text.split(QLatin1Char('\n'));
            EXPECT_LE(lines.size() * metrics.lineSpacing(), label->height() + metrics.leading() + 2);
            EXPECT_LE(label->y() + lines.size() * metrics.height(), shown->height());
            for (const QString& line : lines)
                EXPECT_LE(metrics.horizontalAdvance(line), label->width()) << line.toStdString();
        }
        delete window;
        delete slipWindow;
    }
}

} // namespace
