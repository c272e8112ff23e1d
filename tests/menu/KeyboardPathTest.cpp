// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The menu, the setup screen, the ranking and the pictures driven by keys
// alone, through the window as the keyboard delivers them.
#include "look/basics/PictureNames.h"
#include "look/controls/FocusPainter.h"
#include "look/screens/HelpPictureText.h"
#include "screen/HelpScreens.h"
#include "screen/PictureButton.h"
#include "tasks/TaskTable.h"
#include "tests/menu/MenuFixture.h"
#include "tests/support/AccessibleNames.h"

#include <QAccessible>
#include <QLineEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace orbeta;
using test::expectEveryControlNamed;

namespace {

class KeyboardPathTest : public test::MenuFixture {
protected:
    void SetUp() override
    {
        MenuFixture::SetUp();
        ASSERT_TRUE(data.isValid());
        services.answer = MessageAnswer::No;
        endSeriesAtOnce(data.path() + QLatin1Char('/'));
        host->showDesignWindow();
        host->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(host.get()));
        // Where the menu put the focus before the window was active.
        menu->activate();
    }

    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(host->windowHandle(), k, modifiers);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void type(const char* text)
    {
        for (const char* c = text; *c; ++c)
            QTest::keyClick(host->windowHandle(), *c);
    }

    // The focus inside the scaled stage the window shows.
    QWidget* focus() const { return host->stage()->focusWidget(); }
    template <typename T>
    T* current() const { return qobject_cast<T*>(host->currentForm()); }

    // The focus frame's colour on the widget's own edge.
    static bool framed(QWidget* widget)
    {
        const QImage image = widget->grab().toImage();
        return image.pixelColor(1, image.height() / 2) == FocusPainter::colour();
    }

    QString endQuestion() const
    {
        return QStringLiteral("Ukončenie aplikácie: Naozaj chcete ukončiť tento program?");
    }

    QTemporaryDir data;
};

} // namespace

// Topic 3 and its second task by arrows and Enter, the name typed, a count
// chosen by an arrow, "Pokračuj" reached by Tab and pressed by Enter; the
// focus is drawn wherever it is.
TEST_F(KeyboardPathTest, MenuToSetupToTheTaskForm)
{
    QPointer<QWidget> taskForm;
    SeriesSetup handed;
    taskForms.add(TaskFormKind::Mech1, {[&taskForm, &handed](const SeriesSetup& series) {
                      handed = series;
                      auto form = std::make_unique<QWidget>();
                      form->setObjectName(QStringLiteral("frm_Mech1"));
                      taskForm = form.get();
                      return form;
                  }});
    ASSERT_EQ(focus(), menu->topicButton(1));
    EXPECT_TRUE(framed(menu->topicButton(1)));
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    EXPECT_EQ(focus(), menu->topicButton(3));
    EXPECT_EQ(menu->topicButton(3)->look(), PictureButton::Look::Highlighted);
    EXPECT_EQ(menu->topicButton(1)->look(), PictureButton::Look::Normal);
    key(Qt::Key_Return);
    EXPECT_EQ(menu->selectedTopic(), 3);
    EXPECT_EQ(focus(), menu->taskButton(1));
    // Down goes round the topic's two tasks.
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    EXPECT_EQ(focus(), menu->taskButton(2));
    key(Qt::Key_Return);

    auto* setup = current<FrmSetup>();
    ASSERT_NE(setup, nullptr);
    EXPECT_EQ(setup->setup().taskCode, QStringLiteral("3b"));
    EXPECT_EQ(focus(), setup->nameField());
    const QPoint beside = setup->nameField()->geometry().topLeft() + QPoint(-3, 10);
    EXPECT_EQ(setup->grab().toImage().pixelColor(beside), FocusPainter::colour());
    type("Ema");
    // Enter before a count is chosen goes to the counts.
    key(Qt::Key_Return);
    EXPECT_EQ(focus(), setup->countButton(1));
    EXPECT_EQ(setup->setup().exampleCount, 0);
    key(Qt::Key_Right);
    EXPECT_EQ(focus(), setup->countButton(2));
    EXPECT_EQ(setup->setup().exampleCount, 5);
    EXPECT_TRUE(setup->countButton(2)->isMarked());
    key(Qt::Key_Left);
    key(Qt::Key_Left);
    EXPECT_EQ(focus(), setup->countButton(5));
    EXPECT_EQ(setup->setup().exampleCount, 15);
    finishAnimations(setup);
    key(Qt::Key_Tab);
    EXPECT_EQ(focus(), setup->continueButton());
    EXPECT_TRUE(framed(setup->continueButton()));
    // Back into the counts at the chosen one.
    key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focus(), setup->countButton(5));
    key(Qt::Key_Tab);
    key(Qt::Key_Return);
    ASSERT_NE(taskForm, nullptr);
    EXPECT_EQ(host->currentForm(), taskForm.data());
    EXPECT_FALSE(setup->isVisible());
    // The form gets the task, its title, the name and the count.
    EXPECT_EQ(handed.taskCode, QStringLiteral("3b"));
    EXPECT_EQ(handed.taskTitle, TaskTable::title(*TaskTable::find(QStringLiteral("3b"))));
    EXPECT_EQ(handed.pupilName, QStringLiteral("Ema"));
    EXPECT_EQ(handed.exampleCount, 15);
}

// Every screen on the way leaves by a key: the help by any key, the ranking
// by Enter, Escape or Backspace, the setup by Escape, and Escape at the menu
// asks the end question. Tab goes round and reaches every button.
TEST_F(KeyboardPathTest, EveryScreenLeavesByAKey)
{
    // The accelerators: topic 1, task b.
    type("1b");
    auto* setup = current<FrmSetup>();
    ASSERT_NE(setup, nullptr);
    EXPECT_EQ(setup->setup().taskCode, QStringLiteral("1b"));

    key(Qt::Key_F1);
    QWidget* help = host->currentForm();
    EXPECT_EQ(help->objectName(), QStringLiteral("frm_Intro"));
    EXPECT_EQ(focus(), help);
    key(Qt::Key_Shift);
    EXPECT_EQ(host->currentForm(), help);
    key(Qt::Key_X);
    EXPECT_EQ(host->currentForm(), setup);
    EXPECT_EQ(focus(), setup->nameField());
    // Asked for on "Pomoc", the help gives the focus back to it.
    setup->helpButton()->setFocus();
    key(Qt::Key_Space);
    ASSERT_EQ(host->currentForm()->objectName(), QStringLiteral("frm_Intro"));
    key(Qt::Key_X);
    EXPECT_EQ(focus(), setup->helpButton());
    setup->nameField()->setFocus();

    type("Jan");
    key(Qt::Key_Tab);
    // Enter on a count takes it and, the name given, starts the series.
    key(Qt::Key_Return);
    EXPECT_EQ(setup->setup().exampleCount, 3);
    ASSERT_NE(current<FrmTabulka>(), nullptr);
    key(Qt::Key_Escape);
    EXPECT_EQ(host->currentForm(), setup);
    finishAnimations(setup);
    // Tab from the name round every control and back.
    QList<QWidget*> visited;
    for (int i = 0; i < 6; ++i) {
        key(Qt::Key_Tab);
        visited << focus();
    }
    EXPECT_EQ(visited, (QList<QWidget*>{setup->countButton(1), setup->continueButton(), setup->printButton(),
                                        setup->helpButton(), setup->backButton(), setup->nameField()}));

    for (const Qt::Key leave : {Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_Return}) {
        setup->nameField()->setFocus();
        key(Qt::Key_Return);
        auto* table = current<FrmTabulka>();
        ASSERT_NE(table, nullptr);
        EXPECT_EQ(focus(), table->backButton());
        key(Qt::Key_Tab);
        EXPECT_EQ(focus(), table->backButton());
        key(leave);
        EXPECT_EQ(host->currentForm(), setup);
        EXPECT_EQ(focus(), setup->nameField());
    }
    EXPECT_EQ(seriesStarted, 4);
    // Back from the ranking, the setup keeps its count and its continue button.
    EXPECT_EQ(setup->setup().exampleCount, 3);
    EXPECT_TRUE(setup->continueButton()->isVisible());

    key(Qt::Key_Escape);
    EXPECT_EQ(host->currentForm(), menu);
    EXPECT_EQ(focus(), menu->taskButton(2));

    // Shift+Tab from the tasks: topics, then round to "Koniec".
    key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focus(), menu->topicButton(1));
    key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focus(), menu->endButton());
    EXPECT_TRUE(framed(menu->endButton()));
    key(Qt::Key_Return);
    key(Qt::Key_Escape);
    EXPECT_EQ(services.messages, (QStringList{endQuestion(), endQuestion()}));
    EXPECT_EQ(host->currentForm(), menu);

    key(Qt::Key_Left);
    EXPECT_EQ(focus(), menu->helpButton());
    key(Qt::Key_Down);
    EXPECT_EQ(focus(), menu->endButton());
    key(Qt::Key_Up);
    EXPECT_EQ(focus(), menu->helpButton());
    key(Qt::Key_Space);
    QWidget* credits = host->currentForm();
    EXPECT_EQ(credits->accessibleName(), QStringLiteral("O programe"));
    // The painted words, key lists too, reach a screen reader.
    EXPECT_TRUE(credits->accessibleDescription().contains(QStringLiteral("Klávesy v ponuke: šípky alebo Tab")));
    EXPECT_TRUE(HelpPictureText::of(PictureNames::taskHelp(QStringLiteral("1a"))).contains(QStringLiteral("Ako postupovať")));
    key(Qt::Key_Return);
    EXPECT_EQ(host->currentForm(), menu);
}

// The splash ends at a key, and the menu takes the focus.
TEST_F(KeyboardPathTest, SplashEndsAtAKey)
{
    ShowSplash(services, *host, QString(), menu);
    ASSERT_NE(host->currentForm(), menu);
    key(Qt::Key_Space);
    EXPECT_EQ(host->currentForm(), menu);
    EXPECT_EQ(focus(), menu->topicButton(1));
}

TEST_F(KeyboardPathTest, EveryControlHasAnAccessibleName)
{
    // The window lists the stage, and the stage the screens.
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(host.get());
    ASSERT_EQ(window->childCount(), 1);
    QAccessibleInterface* stage = window->child(0);
    EXPECT_EQ(stage->object(), host->stage());
    EXPECT_EQ(stage->parent()->object(), host.get());
    EXPECT_FALSE(stage->text(QAccessible::Name).isEmpty());
    EXPECT_GE(stage->indexOfChild(QAccessible::queryAccessibleInterface(menu)), 0);

    menu->selectTopic(5);
    expectEveryControlNamed(menu);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(menu->taskButton(1))->text(QAccessible::Name),
              TaskTable::title(*TaskTable::find(QStringLiteral("5a"))));
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(menu->topicButton(5))->state().checked);
    // Titles as the screens show them, not as the results log stores them.
    menu->selectTopic(6);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(menu->topicButton(6))->text(QAccessible::Name),
              QStringLiteral("História"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(menu->taskButton(3))->text(QAccessible::Name),
              QStringLiteral("Časová os – objavy a vynálezy"));
    menu->selectTopic(5);

    type("a");
    auto* setup = current<FrmSetup>();
    ASSERT_NE(setup, nullptr);
    type("Eva");
    key(Qt::Key_Tab);
    key(Qt::Key_Right);
    finishAnimations(setup);
    expectEveryControlNamed(setup);
    QAccessibleInterface* five = QAccessible::queryAccessibleInterface(setup->countButton(2));
    EXPECT_EQ(five->text(QAccessible::Name), QStringLiteral("5 príkladov"));
    EXPECT_TRUE(five->state().checked);
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(setup->countButton(1))->state().checked);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(setup->nameField())->role(), QAccessible::EditableText);

    // The screen reader's press works like a click.
    QAccessible::queryAccessibleInterface(setup->continueButton())
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    auto* table = current<FrmTabulka>();
    ASSERT_NE(table, nullptr);
    expectEveryControlNamed(table);
    key(Qt::Key_Escape);

    key(Qt::Key_F1);
    expectEveryControlNamed(host->currentForm());
}
