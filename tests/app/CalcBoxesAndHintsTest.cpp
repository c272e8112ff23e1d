// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a pupil meets in the boxes and the hint of the calculation form:
// where the caret waits after the experiment, how wide a box is, and in which
// fonts the solution is written.
#include "calc/CalcScene.h"
#include "calc/FrmMech1.h"
#include "frame/HintWindow.h"
#include "look/LabScene.h"
#include "look/Layout.h"
#include "screen/PictureButton.h"
#include "screen/ScreenHost.h"
#include "tests/app/TaskSeriesFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

using namespace orbeta;

namespace {

class CalcBoxesAndHintsTest : public test::TaskSeriesFixture {
protected:
    FrmMech1* open(const char* code, CalcTask task, std::uint64_t seed)
    {
        choose(QString::fromLatin1(code), 15);
        auto form = FrmMech1::open(services, results, series, task, seed, &setup, host.stage());
        EXPECT_TRUE(form);
        FrmMech1* raw = form.release();
        host.showForm(raw);
        return raw;
    }

    void runExperiment(FrmMech1& form)
    {
        services.setTime(1000);
        QTest::mouseClick(form.startButton(), Qt::LeftButton);
        services.advance(60'000);
        form.animate(services.tickCount());
    }

    // A new example until `asked` is the variant.
    static void askFor(FrmMech1& form, int asked)
    {
        for (int tries = 0; tries < 50 && form.example().asked != asked; ++tries)
            form.newExample();
        ASSERT_EQ(form.example().asked, asked);
    }

    // Checks the example and holds the mark down: the hint's text label.
    QLabel* solutionLabel(FrmMech1& form)
    {
        QTest::mouseClick(form.topButton(1), Qt::LeftButton);
        QTest::mousePress(form.markButton(), Qt::LeftButton, {}, QPoint(10, 10));
        HintWindow* hint = form.hintWindow();
        QLabel* shown = nullptr;
        if (hint)
            for (QLabel* label : hint->findChildren<QLabel*>())
                if (label->isVisibleTo(hint) && !label->text().isEmpty())
                    shown = label;
        QTest::mouseRelease(form.markButton(), Qt::LeftButton, {}, QPoint(10, 10));
        return shown;
    }
};

} // namespace

// "5e" asks R₁ and the total current I; the legend reads I₁, I₂, I, U, R₁, R₂.
TEST_F(CalcBoxesAndHintsTest, AfterTheRunTheCaretWaitsInTheFirstOpenBoxOfTheLegend)
{
    FrmMech1* form = open("5e", CalcTask::ParallelResistors, 3);
    askFor(*form, 1);
    runExperiment(*form);
    QLineEdit* total = form->answerBox(6);
    QLineEdit* first = form->answerBox(1);
    ASSERT_FALSE(total->isReadOnly());
    ASSERT_FALSE(first->isReadOnly());
    // The offscreen window is never active: its own focus is what the pupil would type into.
    const auto focused = [form] { return form->window()->focusWidget(); };
    ASSERT_EQ(focused(), total);
    QTest::keyClick(focused(), Qt::Key_Tab);
    ASSERT_EQ(focused(), first);
    // After the boxes the calculator: "2*3" typed there never lands in an answer.
    QTest::keyClick(focused(), Qt::Key_Tab);
    ASSERT_EQ(focused(), form->calculatorInput());
    QTest::keyClicks(focused(), QStringLiteral("2*3"));
    EXPECT_EQ(form->calculatorInput()->text(), QStringLiteral("2*3"));
    EXPECT_TRUE(first->text().isEmpty());
    QTest::keyClick(focused(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), first);
}

// "2d" asks W and P: typing after the run fills W, Tab goes on to P.
TEST_F(CalcBoxesAndHintsTest, TypingAfterTheRunFillsTheFirstAskedValue)
{
    FrmMech1* form = open("2d", CalcTask::WinchEnergy, 5);
    runExperiment(*form);
    const auto focused = [form] { return form->window()->focusWidget(); };
    ASSERT_NE(focused(), nullptr);
    QTest::keyClicks(focused(), QStringLiteral("1200"));
    QTest::keyClick(focused(), Qt::Key_Tab);
    QTest::keyClicks(focused(), QStringLiteral("300"));
    EXPECT_EQ(form->answerBox(2)->text(), QStringLiteral("1200"));
    EXPECT_EQ(form->answerBox(5)->text(), QStringLiteral("300"));
    // A paste by the middle button (or a dropped text) passes no key filter:
    // it inserts as QLineEdit::insert does, and the box keeps what keys could type.
    QLineEdit* box = form->answerBox(5);
    box->setCursorPosition(1);
    box->insert(QStringLiteral("4 kW.5a"));
    EXPECT_EQ(box->text(), QStringLiteral("34,500"));
    EXPECT_EQ(box->cursorPosition(), 4);
}

// A box shows whole what a pupil types into it, a wrong answer ten times too
// large included, and takes no more than it shows; the solution bubble opens
// beside the boxes, not over the answer it judges.
TEST_F(CalcBoxesAndHintsTest, ABoxShowsWholeWhatIsTypedAndTheSolutionLeavesItInSight)
{
    FrmMech1* form = open("2d", CalcTask::WinchEnergy, 5);
    runExperiment(*form);
    QLineEdit* energy = form->answerBox(2);
    energy->setFocus();
    QTest::keyClicks(energy, QStringLiteral("20750012345"));
    EXPECT_TRUE(energy->text().startsWith(QStringLiteral("207500"))) << energy->text().toStdString();
    EXPECT_LE(QFontMetrics(energy->font()).horizontalAdvance(energy->text()), energy->width() - 6);
    QTest::mouseClick(form->topButton(1), Qt::LeftButton);
    QTest::mousePress(form->markButton(), Qt::LeftButton, {}, QPoint(10, 10));
    ASSERT_NE(form->hintWindow(), nullptr);
    const QRect bubble(form->mapFromGlobal(form->hintWindow()->mapToGlobal(QPoint(0, 0))), form->hintWindow()->size());
    for (int box = 1; box <= 6; ++box) {
        if (form->answerBox(box)->isVisible()) {
            EXPECT_FALSE(bubble.intersects(form->answerBox(box)->geometry())) << box;
        }
    }
}

TEST_F(CalcBoxesAndHintsTest, TheHeatBoxIsAsWideAsItsLongestAnswerInTheBoxType)
{
    FrmMech1* form = open("3a", CalcTask::Heat, 8);
    const SceneLayout layout = CalcScene::layout(form->example());
    QLineEdit* heat = form->answerBox(4);
    EXPECT_EQ(heat->font(), LabScene::answerBoxFont());
    EXPECT_EQ(heat->width(), layout.boxWidths[3]);
    EXPECT_GT(heat->width(), QFontMetrics(heat->font()).horizontalAdvance(QStringLiteral("3190,32")));
    // The unit stays beside the box, inside the scene.
    EXPECT_LE(heat->geometry().right(), Layout::kCalcScene.right());
}

// Only the ohm sign is Sigla's: the words of this hint and of every later one
// keep the letters they are written with ("Prúd", never "Prρd").
TEST_F(CalcBoxesAndHintsTest, TheSolutionWritesOnlyItsSymbolsInSigla)
{
    FrmMech1* form = open("5a", CalcTask::OhmsLaw, 2);
    askFor(*form, 1);
    QLabel* resistance = solutionLabel(*form);
    ASSERT_NE(resistance, nullptr);
    EXPECT_TRUE(resistance->text().startsWith(QStringLiteral("Odpor: ")));
    EXPECT_TRUE(resistance->text().endsWith(QStringLiteral(" Ω")));
    EXPECT_NE(resistance->font().family(), QStringLiteral("Sigla"));

    QTest::mouseClick(form->continueButton(), Qt::LeftButton);
    askFor(*form, 2);
    QLabel* current = solutionLabel(*form);
    ASSERT_NE(current, nullptr);
    EXPECT_TRUE(current->text().startsWith(QStringLiteral("Prúd: ")));
    EXPECT_NE(current->font().family(), QStringLiteral("Sigla"));
}
