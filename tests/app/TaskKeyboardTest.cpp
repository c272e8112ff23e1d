// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A pupil without a mouse plays the task forms by keys alone: the focus
// starts on the first control and is always on a shown one, Tab reaches the
// calculator and the toolbar, the function keys check, continue and show the
// solution, Escape goes one step back; every control is named for a screen reader.
#include "calc/basics/Quantity.h"
#include "calc/form/FrmMech1.h"
#include "calc/rules/TaskQuantities.h"
#include "frame/HintWindow.h"
#include "history/forms/FrmDvojice.h"
#include "history/forms/FrmOsa.h"
#include "history/forms/HistoryBox.h"
#include "optics/FrmZobr.h"
#include "optics/KeyboardRay.h"
#include "optics/OpticsPicture.h"
#include "tests/app/TaskSeriesFixture.h"
#include "tests/optics/KeyboardAim.h"
#include "tests/support/AccessibleNames.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace orbeta;
using test::accessibleName;
using test::expectEveryControlNamed;
using test::typed;

namespace {

class TaskKeyboardTest : public test::TaskSeriesFixture {
protected:
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        ASSERT_NE(focus(), nullptr);
        QTest::keyClick(focus(), k, modifiers);
    }
    // Tab until `reached` holds, at most `limit` times.
    bool tabUntil(const std::function<bool()>& reached, int limit = 30)
    {
        for (int i = 0; i < limit && !reached(); ++i)
            QTest::keyClick(focus(), Qt::Key_Tab);
        return reached();
    }

    // Types every asked value into its box reached by Tab, and marks the table row by F7.
    void answerByKeys(FrmMech1& form)
    {
        const CalcExample& e = form.example();
        for (const Quantity& q : TaskQuantities::of(e.task)) {
            if (!q.askedIn(e) || !q.read)
                continue;
            if (q.inTable) {
                for (int i = 0; i < 12 && form.markedRow() != e.tableRow; ++i)
                    key(Qt::Key_F7);
                ASSERT_EQ(form.markedRow(), e.tableRow);
                continue;
            }
            if (q.box == 0)
                continue;
            QLineEdit* box = form.answerBox(q.box);
            ASSERT_TRUE(tabUntil([&] { return focus() == box; }));
            QTest::keyClicks(focus(), typed(q.read(e.values)));
        }
    }

    // Aims ray `ray` from its start at its right end by the arrows and draws it.
    void aimByKeys(FrmZobr& form, int ray)
    {
        const OpticsExample& e = form.example();
        key(Qt::Key_Tab);
        ASSERT_EQ(focus(), form.picture());
        const QPoint start = e.rayPoints[std::size_t(ray)][0];
        KeyboardRay aim(start, 2 * start - e.objectTop);
        test::aimKeyboardRay(aim, form.drawing().correctEnd(ray, KeyboardRay::kLength), [this](bool right, bool fine) {
            key(right ? Qt::Key_Right : Qt::Key_Left, fine ? Qt::ShiftModifier : Qt::NoModifier);
        });
        key(Qt::Key_Return);
    }
};

} // namespace

// "1a" answers by the table's row, "5a" by boxes: the series runs to the ranking by keys.
TEST_F(TaskKeyboardTest, ACalculationSeriesRunsByKeysAlone)
{
    for (const char* code : {"1a", "5a"}) {
        SCOPED_TRACE(code);
        FrmMech1* form = openCalc(QString::fromLatin1(code), 40, 2);
        ASSERT_TRUE(form);
        for (int k = 0; k < 2; ++k) {
            SCOPED_TRACE(k);
            ASSERT_EQ(focus(), form->startButton());
            services.setTime(1000);
            key(Qt::Key_Space);
            services.advance(60'000);
            form->animate(services.tickCount());
            ASSERT_FALSE(form->experiment().running());
            answerByKeys(*form);
            key(Qt::Key_F3);
            ASSERT_TRUE(form->evaluated());
            EXPECT_TRUE(form->lastCheckRight());
            EXPECT_EQ(accessibleName(form->markButton()), QStringLiteral("Hodnotenie: správne"));
            ASSERT_EQ(focus(), form->continueButton());
            key(Qt::Key_Return);
        }
        expectRecorded(QString::fromLatin1(code), 2, 0);
    }
}

TEST_F(TaskKeyboardTest, TabReachesTheCalculatorAndEveryToolbarButton)
{
    FrmMech1* form = openCalc(QStringLiteral("5a"), 4);
    ASSERT_TRUE(form);
    ASSERT_TRUE(tabUntil([&] { return focus() == form->calculatorInput(); }));
    for (int i = 1; i <= 4; ++i)
        EXPECT_TRUE(tabUntil([&] { return focus() == form->topButton(i); })) << i;
}

TEST_F(TaskKeyboardTest, AnOpticsSeriesRunsByKeysAloneWithItsSolutionByF9)
{
    FrmZobr* form = openOptics(QStringLiteral("4a"), 21, 2);
    ASSERT_TRUE(form);
    ASSERT_EQ(focus(), form->picture());
    // One ray only: wrong, and its solution opens and shuts by keys.
    aimByKeys(*form, 1);
    key(Qt::Key_F3);
    ASSERT_FALSE(form->lastCheckRight());
    key(Qt::Key_F9);
    ASSERT_TRUE(form->hintWindow());
    EXPECT_TRUE(form->hintWindow()->isVisible());
    key(Qt::Key_F9);
    EXPECT_FALSE(form->hintWindow()->isVisible());
    ASSERT_EQ(focus(), form->continueButton());
    key(Qt::Key_Return);
    ASSERT_EQ(focus(), form->picture());
    aimByKeys(*form, 1);
    aimByKeys(*form, 2);
    // The drawing says its rays and the named points they pass.
    const QString said = form->picture()->accessibleDescription();
    EXPECT_TRUE(said.startsWith(QStringLiteral("Nakreslený lúč 1: "))) << said.toStdString();
    EXPECT_TRUE(said.contains(QStringLiteral("Nakreslený lúč 2: "))) << said.toStdString();
    EXPECT_TRUE(said.contains(QStringLiteral(", cez "))) << said.toStdString();
    // After the last ray Tab leaves the picture for the toolbar.
    key(Qt::Key_Tab);
    EXPECT_EQ(focus(), form->topButton(1));
    key(Qt::Key_Space);
    EXPECT_TRUE(form->lastCheckRight());
    key(Qt::Key_Return);
    expectRecorded(QStringLiteral("4a"), 1, 1);
}

// The drags of the history forms run by keys (their own tests); the frame
// gives them the focus at once and Escape back when nothing is carried.
TEST_F(TaskKeyboardTest, HistoryFormsHoldTheFocusAndEscapeGoesBack)
{
    FrmDvojice* pairs = openPairs(10);
    ASSERT_TRUE(pairs);
    EXPECT_EQ(focus(), pairs);
    QPointer<FrmDvojice> alive(pairs);
    // Tab walks the boxes first; past the last it reaches the toolbar, and goes round back onto the boxes.
    key(Qt::Key_Tab);
    EXPECT_EQ(focus(), pairs);
    ASSERT_TRUE(tabUntil([&] { return focus() == pairs->topButton(1); }));
    ASSERT_TRUE(tabUntil([&] { return focus() == pairs; }));
    key(Qt::Key_Space);
    EXPECT_EQ(pairs->carried(), 1);
    key(Qt::Key_Escape);
    key(Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(alive);
}

TEST_F(TaskKeyboardTest, EveryControlOfTheTaskFormsHasAnAccessibleName)
{
    FrmMech1* calc = openCalc(QStringLiteral("1d"), 3);
    ASSERT_TRUE(calc);
    expectEveryControlNamed(calc);
    // A box says its quantity and unit.
    for (const Quantity& q : TaskQuantities::of(CalcTask::NonUniformMotion)) {
        if (q.box > 0 && !q.unit.empty()) {
            EXPECT_TRUE(accessibleName(calc->answerBox(q.box)).endsWith(QString::fromStdU16String(std::u16string(q.unit))));
        }
    }
    expectEveryControlNamed(openCalc(QStringLiteral("2e"), 3));
    expectEveryControlNamed(openOptics(QStringLiteral("4b"), 3));
    expectEveryControlNamed(openPairs(10));
    FrmOsa* events = openTimeline(QStringLiteral("6c"), 10);
    expectEveryControlNamed(events);
    // A discovery's box says the year it stands under.
    EXPECT_EQ(events->box(2)->accessibleName(),
              events->box(2)->text() + QStringLiteral(", riadok 2, rok ") + events->screen().topText(2));
}

// Qt 6.4 has no announcement: the verdict and the solution travel in the
// description of continue, where the check puts the focus.
TEST_F(TaskKeyboardTest, TheVerdictAndTheSolutionAreSaidWhereTheFocusIs)
{
    FrmMech1* form = openCalc(QStringLiteral("1a"), 40);
    ASSERT_TRUE(form);
    const auto labels = form->findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(),
                            [](QLabel* l) { return l->accessibleName() == QStringLiteral("Príklad 1 z 3"); }));
    key(Qt::Key_F3);
    ASSERT_EQ(focus(), form->continueButton());
    EXPECT_EQ(form->continueButton()->accessibleDescription(),
              QStringLiteral("Nesprávne. Riešenie ukáže kláves F9. Ďalší príklad. Kláves F4."));
    key(Qt::Key_F9);
    EXPECT_EQ(focus(), form->continueButton());
    HintWindow* hint = form->hintWindow();
    ASSERT_TRUE(hint);
    QAccessibleInterface* dialog = QAccessible::queryAccessibleInterface(hint);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->role(), QAccessible::Dialog);
    EXPECT_EQ(dialog->text(QAccessible::Name), QStringLiteral("Riešenie"));
    ASSERT_FALSE(hint->accessibleDescription().isEmpty());
    EXPECT_TRUE(form->continueButton()->accessibleDescription().startsWith(
        QStringLiteral("Nesprávne. Riešenie: ") + hint->accessibleDescription()));
    // The screen appears once in the tree: inside the window, not beside it.
    QAccessibleInterface* application = QAccessible::queryAccessibleInterface(qApp);
    ASSERT_TRUE(application);
    for (int i = 0; i < application->childCount(); ++i)
        EXPECT_NE(application->child(i)->object(), host.stage());
}

// What is painted is told: the marked table row (F7 and F8 move it) and the units as shown, the
// lever's board, the history boxes with their rows. (Offscreen, Qt passes no
// accessibility events on; the names and descriptions that make them are checked.)
TEST_F(TaskKeyboardTest, TheTaskObjectsAreNamedAndTheirChangesHeard)
{
    FrmMech1* table = nullptr;
    for (std::uint64_t seed = 1; seed < 40 && !(table && table->example().tableActive()); ++seed)
        table = openCalc(QStringLiteral("1a"), seed);
    ASSERT_TRUE(table && table->example().tableActive());
    EXPECT_EQ(accessibleName(table->tableLabel(1, 0)), QStringLiteral("kg/m³"));
    EXPECT_EQ(accessibleName(table->tableLabel(2, 0)), QStringLiteral("g/cm³"));
    // F7 and F8 walk the mark round the rows.
    key(Qt::Key_F7);
    key(Qt::Key_F7);
    EXPECT_EQ(table->markedRow(), 2);
    key(Qt::Key_F8);
    key(Qt::Key_F8);
    EXPECT_GT(table->markedRow(), 2); // round from the first row to the last
    key(Qt::Key_F7);
    EXPECT_EQ(table->markedRow(), 1);
    const auto widgets = table->findChildren<QWidget*>();
    const auto marked = std::find_if(widgets.begin(), widgets.end(), [](QWidget* w) {
        return w->accessibleName().startsWith(QStringLiteral("Vyznačený riadok tabuľky: "));
    });
    ASSERT_NE(marked, widgets.end());
    EXPECT_TRUE((*marked)->accessibleName().contains(table->tableLabel(0, 1)->text()));

    FrmMech1* lever = openCalc(QStringLiteral("2e"), 5);
    ASSERT_TRUE(lever);
    EXPECT_TRUE(lever->scenePicture()->accessibleDescription().contains(QStringLiteral("Na podnose kláves 1: ")));
    key(Qt::Key_1);
    EXPECT_TRUE(lever->scenePicture()->accessibleDescription().contains(QStringLiteral("Zdvihnuté závažie")));
    const auto before = lever->lever().keyMark();
    key(Qt::Key_Up);
    EXPECT_NE(lever->lever().keyMark(), before);

    FrmDvojice* pairs = openPairs(10);
    ASSERT_TRUE(pairs);
    // A box says its row and the left half it stands beside.
    EXPECT_EQ(pairs->box(1)->accessibleName(), pairs->box(1)->text() + QStringLiteral(", riadok 1, vedľa ")
                                                   + pairs->leftLabel(1)->text());
    const QString lifted = pairs->box(1)->text();
    key(Qt::Key_Space);
    EXPECT_EQ(pairs->box(1)->accessibleDescription(),
              QStringLiteral("Zdvihnuté. Cieľ: riadok 1, vedľa %1.").arg(pairs->leftLabel(1)->text()));
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(pairs->box(1))->state().focused);
    key(Qt::Key_Down);
    EXPECT_EQ(pairs->box(1)->accessibleDescription(),
              QStringLiteral("Zdvihnuté. Cieľ: riadok 2, vedľa %1.").arg(pairs->leftLabel(2)->text()));
    key(Qt::Key_Space);
    EXPECT_EQ(pairs->box(2)->accessibleName(),
              lifted + QStringLiteral(", riadok 2, vedľa ") + pairs->leftLabel(2)->text());
    // The box the keyboard is on is the focus a screen reader follows.
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(pairs->box(1))->state().focused);
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(pairs->box(2))->state().focused);
    key(Qt::Key_F3);
    EXPECT_TRUE(pairs->continueButton()->accessibleDescription().startsWith(
        QStringLiteral("Správne %1 z 10. Riešenie ukáže kláves F9.").arg(10 - pairs->series().wrong())));
    // F9 on a mark the pupil stands on says that mark's solution, not the first one's.
    std::vector<int> wrong;
    for (int item = 1; item <= 10; ++item)
        if (pairs->mark(item)->isEnabled() && accessibleName(pairs->mark(item)).endsWith(QStringLiteral("nesprávne")))
            wrong.push_back(item);
    ASSERT_GE(wrong.size(), 2u);
    pairs->mark(wrong.back())->setFocus(Qt::MouseFocusReason);
    key(Qt::Key_F9);
    EXPECT_TRUE(pairs->mark(wrong.back())->accessibleDescription().startsWith(QStringLiteral("Nesprávne. Riešenie: ")));
    EXPECT_FALSE(pairs->mark(wrong.front())->accessibleDescription().startsWith(QStringLiteral("Nesprávne. Riešenie: ")));
}

