// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A pupil plays series of the calculation form through Qt Test events: the
// answers come from the examples the fixed seed makes, the record lands in
// the ranking and the results log. Where the caret waits after the
// experiment, how wide a box is, and in which fonts the solution is written.
#include "calc/basics/CalcExample.h"
#include "calc/form/CalcScene.h"
#include "calc/form/FrmMech1.h"
#include "calc/rules/GenerateExample.h"
#include "calc/basics/Quantity.h"
#include "calc/basics/RandomSource.h"
#include "calc/basics/QuantityTable.h"
#include "calc/rules/TaskQuantities.h"
#include "frame/HintWindow.h"
#include "look/scenes/LabScene.h"
#include "look/basics/Layout.h"
#include "look/basics/PictureNames.h"
#include "tests/app/TaskSeriesFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

using namespace orbeta;
using test::typed;

namespace {

class CalcSeriesTest : public test::TaskSeriesFixture {
protected:
    // Runs the experiment to its end on the fake clock.
    void runExperiment(FrmMech1& form)
    {
        services.setTime(1000);
        QTest::mouseClick(form.startButton(), Qt::LeftButton);
        services.advance(60'000);
        form.animate(services.tickCount());
        ASSERT_FALSE(form.experiment().running());
    }

    // A lever opened afresh, by seed after seed, until it asks variant `asked`.
    FrmMech1* openLeverAsking(int asked)
    {
        FrmMech1* form = nullptr;
        for (std::uint64_t seed = 1; !form || form->example().asked != asked; ++seed) {
            if (form)
                host.unloadForm(form);
            form = openCalc(QStringLiteral("2e"), seed);
        }
        return form;
    }

    // A new example until `asked` is the variant.
    static void askFor(FrmMech1& form, int asked)
    {
        for (int tries = 0; tries < 50 && form.example().asked != asked; ++tries)
            form.newExample();
        ASSERT_EQ(form.example().asked, asked);
    }

    // Checks the example and holds the mark down: the hint's text label.
    static QLabel* solutionLabel(FrmMech1& form)
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

    // Answers the example on the screen right: types the asked values, marks
    // the row, sets the clock.
    void answerRight(FrmMech1& form)
    {
        const CalcExample& e = form.example();
        for (const Quantity& q : TaskQuantities::of(e.task)) {
            if (!q.askedIn(e) || !q.read)
                continue;
            if (q.inTable) {
                QLabel* row = form.tableLabel(0, e.tableRow);
                QTest::mouseClick(row, Qt::LeftButton);
                continue;
            }
            if (q.box == 0)
                continue;
            QLineEdit* box = form.answerBox(q.box);
            box->setFocus();
            QTest::keyClicks(box, typed(q.read(e.values)));
        }
        if (const auto* lever = std::get_if<LeverValues>(&e.values)) {
            // The right weight dragged from its place onto its mark.
            for (int w = 1; w <= form.lever().looseCount(); ++w)
                if (form.lever().mass(w) == lever->placedWeight()) {
                    dragWeight(form, w, CalcScene::leverPlaces().hooks[std::size_t(6 + lever->placedMark())]);
                    break;
                }
        }
        if (const auto* motion = std::get_if<NonUniformMotionValues>(&e.values)) {
            if (e.asked == 2) {
                QLineEdit* box = form.answerBox(motion->askedCity);
                QTest::keyClicks(box, QString::number(motion->roads[std::size_t(motion->askedCity - 1)]));
            } else if (e.asked == 3) {
                QTest::keyClicks(form.finishBox(1), QString::number(motion->hours()));
                QTest::keyClicks(form.finishBox(2), QString::number(motion->minutes()));
            }
        }
    }

    // Presses on loose weight w of the lever, moves the mouse in a few steps
    // so that the weight's corner ends at `to`, and lets go.
    static void dragWeight(FrmMech1& form, int w, QPoint to)
    {
        QWidget* pic = form.scenePicture();
        const QPoint grip = form.lever().position(w) + QPoint(8, 12);
        const QPoint travel = to - form.lever().position(w);
        auto send = [pic](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
            QMouseEvent event(type, QPointF(at), pic->mapToGlobal(QPointF(at)), Qt::LeftButton, buttons,
                              Qt::NoModifier);
            QCoreApplication::sendEvent(pic, &event);
        };
        send(QEvent::MouseButtonPress, grip, Qt::LeftButton);
        for (int step = 1; step <= 4; ++step)
            send(QEvent::MouseMove, grip + travel * step / 4, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, grip + travel, Qt::NoButton);
    }

};

TEST_F(CalcSeriesTest, RightAnswersOfEveryTaskAreJudgedRightAndTheSeriesIsRecordedOnce)
{
    for (CalcTask task : kAllCalcTasks) {
        const QString code = calcTaskCode(task);
        SCOPED_TRACE(code.toStdString());
        FrmMech1* form = openCalc(code, 40);
        for (int k = 0; k < 3; ++k) {
            SCOPED_TRACE(k);
            runExperiment(*form);
            answerRight(*form);
            QTest::mouseClick(form->topButton(1), Qt::LeftButton);
            EXPECT_TRUE(form->lastCheckRight());
            QTest::mouseClick(form->continueButton(), Qt::LeftButton);
        }
        expectRecorded(code, 3, 0);
    }
}

TEST_F(CalcSeriesTest, TheSeedMakesTheSeriesOfTheCommandLine)
{
    FrmMech1* form = openCalc(QStringLiteral("1c"), 7);
    for (std::uint64_t k = 0; k < 3; ++k) {
        RandomSource rnd(7 + k);
        const CalcExample expected = GenerateExample(CalcTask::UniformMotion, {}, rnd);
        EXPECT_EQ(form->example().asked, expected.asked);
        EXPECT_EQ(std::get<UniformMotionValues>(form->example().values).s, std::get<UniformMotionValues>(expected.values).s);
        form->newExample();
    }
}

TEST_F(CalcSeriesTest, TheExperimentStopsAndResumesWhereItStopped)
{
    FrmMech1* form = openCalc(QStringLiteral("1d"), 11);
    services.setTime(5000);
    QTest::mouseClick(form->startButton(), Qt::LeftButton);
    EXPECT_FALSE(form->topButton(1)->isEnabled()); // locked while running
    EXPECT_FALSE(form->calculatorKey(1)->isEnabled());
    services.setTime(5000 + 25 * 50 + 10);
    form->animate(services.tickCount());
    EXPECT_EQ(form->experiment().shownFrame(), 25);
    QTest::mouseClick(form->startButton(), Qt::LeftButton);
    EXPECT_FALSE(form->experiment().running());
    EXPECT_TRUE(form->topButton(1)->isEnabled());
    EXPECT_TRUE(form->answerBox(1)->isReadOnly() || form->example().asked != 2);
    QTest::mouseClick(form->startButton(), Qt::LeftButton);
    EXPECT_EQ(form->experiment().shownFrame(), 25);
    services.advance(10'000);
    form->animate(services.tickCount());
    EXPECT_EQ(form->experiment().currentFrame(), 0);
    EXPECT_TRUE(form->experiment().completed());

    // A run counts from the tick of its press, not from a later reading of
    // the clock: played for its whole length after the press, it is over.
    services.setTime(22'000);
    form->pressStart(20'000);
    const Experiment& run = form->experiment();
    ASSERT_TRUE(run.running());
    form->animate(20'000 + std::uint32_t(run.lastFrame() + 1) * run.frameMs());
    EXPECT_FALSE(run.running());
    EXPECT_TRUE(run.completed());
}

TEST_F(CalcSeriesTest, RowsAreMarkedOnlyWhenTheTableIsAskedAndBeforeTheCheck)
{
    FrmMech1* form = openCalc(QStringLiteral("1a"), 1);
    askFor(*form, 2);
    services.resetSounds();
    const auto colour = [form](int row) { return form->tableLabel(0, row)->palette().color(QPalette::WindowText); };
    QTest::mouseClick(form->tableLabel(1, 1), Qt::LeftButton);
    EXPECT_EQ(colour(1), QColor(Qt::white));
    QTest::mouseClick(form->tableLabel(2, 5), Qt::LeftButton);
    EXPECT_EQ(form->markedRow(), 5);
    EXPECT_EQ(colour(5), QColor(Qt::white));
    EXPECT_EQ(colour(1), QColor(Qt::black));
    EXPECT_EQ(services.played(Sound::Click), 2);

    for (int tries = 0; tries < 20 && form->example().asked == 2; ++tries)
        form->newExample();
    services.resetSounds();
    QTest::mouseClick(form->tableLabel(0, 2), Qt::LeftButton);
    EXPECT_EQ(form->markedRow(), 0);
    EXPECT_EQ(services.played(Sound::Click), 0);
}

TEST_F(CalcSeriesTest, BoxesAcceptNumbersOnlyAndTheCalculatorLogsItsLines)
{
    FrmMech1* form = openCalc(QStringLiteral("1c"), 5);
    runExperiment(*form);
    const int asked = *form->example().asked;
    QLineEdit* box = form->answerBox(asked);
    EXPECT_FALSE(box->isReadOnly());
    QTest::keyClicks(box, QStringLiteral("1a2.5,x"));
    EXPECT_EQ(box->text(), QStringLiteral("12,5"));

    QTest::keyClicks(form->calculatorInput(), QStringLiteral("2+3*4"));
    QTest::keyClick(form->calculatorInput(), Qt::Key_Return);
    QTest::keyClicks(form->calculatorInput(), QStringLiteral("1/3="));
    EXPECT_EQ(form->notes()->toPlainText(), QStringLiteral("2+3*4=14\n1/3=0,333"));
    EXPECT_TRUE(form->calculatorInput()->text().isEmpty());
}

// F2 runs the experiment; the frame's other keys are the frame's.
TEST_F(CalcSeriesTest, F2RunsTheExperimentAndTheCheckLocksIt)
{
    FrmMech1* form = openCalc(QStringLiteral("1c"), 5);
    services.setTime(100);
    QTest::keyClick(form, Qt::Key_F2);
    EXPECT_TRUE(form->experiment().running());
    services.advance(60'000);
    form->animate(services.tickCount());
    QTest::keyClick(form, Qt::Key_F3); // nothing typed: wrong
    EXPECT_FALSE(form->lastCheckRight());
    QTest::keyClick(form, Qt::Key_F2);
    EXPECT_FALSE(form->experiment().running());
    EXPECT_FALSE(form->startButton()->isEnabled());
}

// "5e": the run fills every box the example does not ask.
TEST_F(CalcSeriesTest, ParallelResistorsGetTheirGivenBoxesFromTheRun)
{
    FrmMech1* form = openCalc(QStringLiteral("5e"), 21);
    const CalcExample e = form->example();
    runExperiment(*form);
    for (const Quantity& q : TaskQuantities::of(e.task)) {
        if (!q.askedIn(e)) {
            EXPECT_EQ(form->answerBox(q.box)->text(), QuantityTable::valueText(q.read(e.values), q.decimals)) << q.name;
        }
    }
}

// "3b" shows the heat capacities of ice and water and, in a table of its
// own below them, the latent heat of melting; nothing is marked in either.
TEST_F(CalcSeriesTest, MeltingShowsItsTwoTablesOneBelowTheOther)
{
    FrmMech1* form = openCalc(QStringLiteral("3b"), 3);
    // Each heading says which quantity its table holds: both tables list ice.
    const QStringList names{QStringLiteral("Látka (c)"), QStringLiteral("ľad"), QStringLiteral("voda"),
                            QStringLiteral("Látka (l)"), QStringLiteral("ľad")};
    for (int row = 0; row < names.size(); ++row) {
        const QLabel* name = form->tableLabel(0, row);
        EXPECT_TRUE(name->isVisible()) << row;
        EXPECT_EQ(name->text(), names[row]);
        EXPECT_EQ(name->font().bold(), row == 0 || row == 3) << row;
        if (row > 0) {
            EXPECT_GE(name->y(), form->tableLabel(0, row - 1)->geometry().bottom()) << row;
        }
    }
    // The second heading's strip starts below the first table's closing strip.
    EXPECT_GE(form->tableLabel(0, 3)->y() - 4, form->tableLabel(0, 2)->geometry().bottom() + 8 + 3);
    QTest::mouseClick(form->tableLabel(0, 1), Qt::LeftButton);
    EXPECT_EQ(form->markedRow(), 0);
}

// "3a" lists its five metals; the closing strip of the table lies at y = 375.
TEST_F(CalcSeriesTest, HeatTableClosesBelowItsFiveMetals)
{
    FrmMech1* form = openCalc(QStringLiteral("3a"), 3);
    const QImage drawn = form->persistentImage().toImage();
    const QImage strip = services.resources().picture(PictureNames::tableBottom()).toImage();
    ASSERT_FALSE(strip.isNull());
    for (int y = 0; y < strip.height(); ++y)
        for (int x = 0; x < strip.width(); x += 7)
            ASSERT_EQ(drawn.pixelColor(10 + x, 375 + y), strip.pixelColor(x, y)) << x << ", " << y;
    EXPECT_TRUE(form->tableLabel(0, 5)->isVisible());
    EXPECT_FALSE(form->tableLabel(0, 6)->isVisible());
    EXPECT_EQ(form->tableLabel(0, form->example().tableRow)->palette().color(QPalette::WindowText), QColor(Qt::white));
}

// The ohm sign of the resistances' units is Sigla's "Ű", never a Greek letter in another font.
TEST_F(CalcSeriesTest, ResistancesAreWrittenInOhmsOfTheSiglaFont)
{
    FrmMech1* form = openCalc(QStringLiteral("5d"), 2);
    int ohms = 0;
    for (const QLabel* label : form->findChildren<QLabel*>()) {
        if (!label->isVisible())
            continue;
        EXPECT_FALSE(label->text().contains(QChar(0x03A9)));
        if (label->text() == QStringLiteral("Ű")) {
            EXPECT_EQ(label->font().family(), QStringLiteral("Sigla"));
            ++ohms;
        }
    }
    EXPECT_EQ(ohms, 2);
}

// The appliance's plate shows 230 V and its power in full, the clock the
// working time after the run; neither takes a key from the pupil.
TEST_F(CalcSeriesTest, TheApplianceKeepsItsPlateAndTheClockItsTime)
{
    FrmMech1* form = openCalc(QStringLiteral("5b"), 5);
    const auto& x = std::get<ElectricEnergyValues>(form->example().values);
    QList<QLineEdit*> plate;
    for (QLineEdit* box : form->findChildren<QLineEdit*>())
        if (box->isVisible() && box->text() == QString::number(x.P))
            plate << box;
    ASSERT_EQ(plate.size(), 1);
    runExperiment(*form);
    EXPECT_EQ(form->finishBox(1)->text(), QString::number(x.hours));
    EXPECT_EQ(form->finishBox(2)->text(), QString::number(x.minutes));
    for (QLineEdit* box : {plate.front(), form->finishBox(1), form->finishBox(2)}) {
        const QString before = box->text();
        QTest::keyClicks(box, QStringLiteral("7a-"));
        EXPECT_EQ(box->text(), before);
        EXPECT_TRUE(box->isReadOnly());
    }
}

// The lever by dragging through the form (its rules are LeverBoard's): a
// weight snaps onto the shown mark and disables the experiment, taking it off
// enables it again, the check reads the lever as drawn, and nothing moves after it.
TEST_F(CalcSeriesTest, TheLeverTakesDraggedWeightsUntilTheCheck)
{
    FrmMech1* form = openLeverAsking(1);
    const auto& x = std::get<LeverValues>(form->example().values);
    const QPoint target = CalcScene::leverPlaces().hooks[std::size_t(6 + x.placedMark())];
    int right = 1;
    while (form->lever().mass(right) != x.placedWeight())
        ++right;
    const int wrong = right % 3 + 1;
    const int soundsBefore = services.played(Sound::Zavazi);
    dragWeight(*form, wrong, target + QPoint(5, -5));
    EXPECT_TRUE(form->lever().weightHung());
    EXPECT_FALSE(form->startButton()->isEnabled());
    EXPECT_EQ(services.played(Sound::Zavazi), soundsBefore + 1);
    // Off again, let go in the open: back in the tray.
    const QPoint wrongHome = CalcScene::leverPlaces().homes[std::size_t(wrong - 1)];
    dragWeight(*form, wrong, target + QPoint(0, 60));
    EXPECT_FALSE(form->lever().weightHung());
    EXPECT_EQ(form->lever().position(wrong), wrongHome);
    EXPECT_TRUE(form->startButton()->isEnabled());
    // The right one let go ten pixels above its hook hangs there, and counts.
    dragWeight(*form, right, target + QPoint(0, -10));
    EXPECT_EQ(form->lever().position(right), target);
    EXPECT_FALSE(form->startButton()->isEnabled());
    QTest::mouseClick(form->topButton(1), Qt::LeftButton);
    EXPECT_TRUE(form->lastCheckRight());
    const LeverState checked = form->lever().lever();
    dragWeight(*form, right, target + QPoint(0, 60));
    EXPECT_EQ(form->lever().lever(), checked);
    EXPECT_EQ(form->lever().position(right), target);
}

// The same lever without the mouse: the focus starts on the scene, a digit
// lifts its weight at once, the arrows carry it from mark to mark, Escape puts
// it back before it leaves the form, and Enter hangs it.
TEST_F(CalcSeriesTest, TheLeverWorksFromTheKeyboard)
{
    FrmMech1* form = openLeverAsking(2);
    const auto& x = std::get<LeverValues>(form->example().values);
    QWidget* pic = form->scenePicture();
    ASSERT_EQ(focus(), pic);
    EXPECT_EQ(form->framedControl(), pic);
    const QPoint rest = form->lever().position(1);
    QTest::keyClick(pic, Qt::Key_1);
    EXPECT_EQ(form->lever().moving(), 1);
    EXPECT_LT(form->lever().position(1).y(), rest.y());
    for (int step = 0; step < x.placedMark(); ++step)
        QTest::keyClick(pic, Qt::Key_Right);
    EXPECT_EQ(form->lever().keyMark(), x.placedMark());
    QTest::keyClick(pic, Qt::Key_Escape);
    EXPECT_FALSE(form->lever().moving());
    EXPECT_EQ(form->lever().position(1), rest);
    EXPECT_EQ(host.currentForm(), form);
    QTest::keyClick(pic, Qt::Key_1);
    for (int step = 0; step < x.placedMark(); ++step)
        QTest::keyClick(pic, Qt::Key_Right);
    QTest::keyClick(pic, Qt::Key_Return);
    EXPECT_TRUE(form->lever().weightHung());
    EXPECT_FALSE(form->startButton()->isEnabled());
    QTest::keyClick(pic, Qt::Key_F3);
    EXPECT_TRUE(form->lastCheckRight());
}

// "2a": when the weight goes onto the piston the area's box moves up, its
// unit with it, and stays there until the next example.
TEST_F(CalcSeriesTest, ThePistonsAreaMovesUpWhenTheRunStarts)
{
    FrmMech1* form = openCalc(QStringLiteral("2a"), 3);
    const auto moved = CalcScene::layout(form->example()).movedOnStart;
    ASSERT_TRUE(moved);
    QLineEdit* area = form->answerBox(moved->box);
    const QPoint before = area->pos();
    runExperiment(*form);
    EXPECT_EQ(area->pos(), Layout::kCalcScene.topLeft() + moved->to);
    EXPECT_NE(area->pos(), before);
    QTest::mouseClick(form->topButton(2), Qt::LeftButton);
    EXPECT_EQ(area->pos(), before);
}

// "5e" asks R₁ and the total current I; the legend reads I₁, I₂, I, U, R₁, R₂.
TEST_F(CalcSeriesTest, AfterTheRunTheCaretWaitsInTheFirstOpenBoxOfTheLegend)
{
    FrmMech1* form = openCalc(QStringLiteral("5e"), 3);
    askFor(*form, 1);
    runExperiment(*form);
    QLineEdit* total = form->answerBox(6);
    QLineEdit* first = form->answerBox(1);
    ASSERT_FALSE(total->isReadOnly());
    ASSERT_FALSE(first->isReadOnly());
    ASSERT_EQ(focus(), total);
    QTest::keyClick(focus(), Qt::Key_Tab);
    ASSERT_EQ(focus(), first);
    // After the boxes the calculator: "2*3" typed there never lands in an answer.
    QTest::keyClick(focus(), Qt::Key_Tab);
    ASSERT_EQ(focus(), form->calculatorInput());
    EXPECT_EQ(form->framedControl(), form->calculatorInput());
    QTest::keyClicks(focus(), QStringLiteral("2*3"));
    EXPECT_EQ(form->calculatorInput()->text(), QStringLiteral("2*3"));
    EXPECT_TRUE(first->text().isEmpty());
    QTest::keyClick(focus(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focus(), first);
}

// "2d" asks W and P: typing after the run fills W, Tab goes on to P. A box
// shows whole what a pupil types into it, a wrong answer ten times too large
// included, and takes no more than it shows. The solution shows only after
// the check, while the mark is held, beside the boxes, not over the answer it judges.
TEST_F(CalcSeriesTest, TypingAfterTheRunFillsTheAskedBoxesAndTheSolutionLeavesThemInSight)
{
    FrmMech1* form = openCalc(QStringLiteral("2d"), 5);
    runExperiment(*form);
    ASSERT_NE(focus(), nullptr);
    QTest::keyClicks(focus(), QStringLiteral("1200"));
    QTest::keyClick(focus(), Qt::Key_Tab);
    QTest::keyClicks(focus(), QStringLiteral("300"));
    EXPECT_EQ(form->answerBox(2)->text(), QStringLiteral("1200"));
    EXPECT_EQ(form->answerBox(5)->text(), QStringLiteral("300"));
    // A paste by the middle button (or a dropped text) passes no key filter:
    // it inserts as QLineEdit::insert does, and the box keeps what keys could type.
    QLineEdit* box = form->answerBox(5);
    box->setCursorPosition(1);
    box->insert(QStringLiteral("4 kW.5a"));
    EXPECT_EQ(box->text(), QStringLiteral("34,500"));
    EXPECT_EQ(box->cursorPosition(), 4);

    QLineEdit* energy = form->answerBox(2);
    energy->clear();
    energy->setFocus();
    QTest::keyClicks(energy, QStringLiteral("20750012345"));
    EXPECT_TRUE(energy->text().startsWith(QStringLiteral("207500"))) << energy->text().toStdString();
    EXPECT_LE(QFontMetrics(energy->font()).horizontalAdvance(energy->text()), energy->width() - 6);

    QTest::mousePress(form->markButton(), Qt::LeftButton);
    EXPECT_EQ(form->hintWindow(), nullptr);
    QTest::mouseClick(form->topButton(1), Qt::LeftButton);
    QTest::mousePress(form->markButton(), Qt::LeftButton, {}, QPoint(10, 10));
    ASSERT_NE(form->hintWindow(), nullptr);
    EXPECT_TRUE(form->hintWindow()->isVisible());
    const QRect bubble(form->mapFromGlobal(form->hintWindow()->mapToGlobal(QPoint(0, 0))), form->hintWindow()->size());
    for (int b = 1; b <= 6; ++b) {
        if (form->answerBox(b)->isVisible()) {
            EXPECT_FALSE(bubble.intersects(form->answerBox(b)->geometry())) << b;
        }
    }
    QTest::mouseRelease(form->markButton(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_FALSE(form->hintWindow()->isVisible());
}

TEST_F(CalcSeriesTest, TheHeatBoxIsAsWideAsItsLongestAnswerInTheBoxType)
{
    FrmMech1* form = openCalc(QStringLiteral("3a"), 8);
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
TEST_F(CalcSeriesTest, TheSolutionWritesOnlyItsSymbolsInSigla)
{
    FrmMech1* form = openCalc(QStringLiteral("5a"), 2);
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

} // namespace
