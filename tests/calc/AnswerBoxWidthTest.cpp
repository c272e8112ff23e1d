// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every answer box shows whole, in the box's own type, each text it can hold
// over the generator's ranges: the given value, the answer written with its
// solution's decimals and the experiment's readings.
#include "calc/form/CalcScene.h"
#include "calc/data/DataFile.h"
#include "calc/experiments/Experiment.h"
#include "calc/basics/QuantityTable.h"
#include "calc/rules/TaskQuantities.h"
#include "look/scenes/LabScene.h"
#include "tests/support/CalcTestTables.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <gtest/gtest.h>

#include <map>

using namespace orbeta;

namespace {

constexpr std::uint64_t kSeeds = 2000;

// A line box scrolls its text unless the text, a pixel and the caret fit
// between its margins inside the frame.
class ProbeBox : public QLineEdit {
public:
    int textRoom()
    {
        QStyleOptionFrame panel;
        initStyleOption(&panel);
        const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &panel, this);
        const QMargins margins = textMargins();
        constexpr int kHorizontalMargin = 2;
        constexpr int kCaret = 1;
        return contents.width() - margins.left() - margins.right() - 2 * kHorizontalMargin - 1 - kCaret;
    }
};

struct Widest {
    QString text;
    int width = 0;
};

// The texts box `i` of example `e` can hold.
QStringList textsOf(const CalcExample& e, std::size_t i)
{
    QStringList texts{e.boxes[i].text};
    for (const Quantity& q : TaskQuantities::of(e.task))
        if (q.box == int(i) + 1)
            texts << QuantityTable::valueText(q.read(e.values), q.decimals);
    const Experiment experiment(e);
    for (int frame = 0; frame <= experiment.lastFrame(); ++frame)
        if (const auto reading = experiment.readings(frame).boxes[i])
            texts << *reading;
    return texts;
}

} // namespace

TEST(AnswerBoxWidth, EveryTextABoxCanHoldShowsWholeInTheBoxType)
{
    ProbeBox probe;
    probe.setFont(LabScene::answerBoxFont());
    const QFontMetrics metrics(probe.font());
    for (CalcTask task : kAllCalcTasks) {
        const QString code = calcTaskCode(task);
        std::map<std::size_t, Widest> widest;
        for (std::uint64_t seed = 0; seed < kSeeds; ++seed) {
            const CalcExample e = test::generated(task, seed);
            const SceneLayout layout = CalcScene::layout(e);
            for (std::size_t i = 0; i < 6; ++i) {
                if (!layout.boxes[i])
                    continue;
                probe.resize(layout.boxWidths[i], 24);
                for (const QString& text : textsOf(e, i)) {
                    const int width = metrics.horizontalAdvance(text);
                    if (width > widest[i].width)
                        widest[i] = {text, width};
                }
                EXPECT_LE(widest[i].width, probe.textRoom())
                    << code.toStdString() << " box " << i + 1 << ": \"" << widest[i].text.toStdString() << "\"";
            }
            if (testing::Test::HasFailure())
                return;
        }
    }
}
