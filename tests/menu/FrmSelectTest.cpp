// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "look/basics/Layout.h"
#include "menu/FrmSelect.h"
#include "screen/FrmIntro.h"
#include "screen/PictureButton.h"
#include "screen/ScreenHost.h"
#include "tasks/TaskTable.h"
#include "tests/support/FakeServices.h"

#include <QSignalSpy>
#include <QTimer>
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

using namespace orbeta;

namespace {

// The menu of the build tree's installation, in front, with no topic chosen.
class MenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        qputenv("ORBETA_WINDIR", qgetenv("ORBETA_BUILD_DIR"));
        menu = new FrmSelect(services, host.stage());
        ASSERT_TRUE(menu->load(host, DisplayChoice::Window, false));
        services.resetSounds();
    }

    void moveTo(QWidget* widget, QPoint at = QPoint(5, 5)) { QTest::mouseMove(widget, at); }
    void moveToBackground() { QTest::mouseMove(menu, QPoint(240, 470)); }
    int enterSounds() const { return services.played(Sound::Enter); }

    FakeServices services;
    ScreenHost host;
    FrmSelect* menu = nullptr;
};

} // namespace

TEST_F(MenuTest, StartsInFrontWithNoTask)
{
    EXPECT_EQ(host.currentForm(), menu);
    EXPECT_EQ(menu->chosenTaskCode(), QStringLiteral("0"));
    EXPECT_EQ(menu->selectedTopic(), 0);
    EXPECT_FALSE(menu->taskButton(1)->isVisible());
}

// Hovering highlights one item at a time with one enter sound each; the
// selected topic keeps its highlight.
TEST_F(MenuTest, HoverAndTheSelectedTopic)
{
    moveTo(menu->topicButton(2));
    moveTo(menu->topicButton(2), QPoint(20, 20));
    EXPECT_EQ(enterSounds(), 1);
    moveTo(menu->endButton());
    EXPECT_EQ(enterSounds(), 2);
    EXPECT_EQ(menu->endButton()->look(), PictureButton::Look::Highlighted);
    moveToBackground();
    EXPECT_EQ(host.hoverId(), 0);
    EXPECT_EQ(menu->endButton()->look(), PictureButton::Look::Normal);

    QTest::mouseClick(menu->topicButton(3), Qt::LeftButton);
    EXPECT_EQ(services.played(Sound::Click), 1);
    EXPECT_EQ(menu->selectedTopic(), 3);
    EXPECT_TRUE(menu->taskButton(2)->isVisible());
    EXPECT_FALSE(menu->taskButton(3)->isVisible());
    moveTo(menu->topicButton(6));
    EXPECT_EQ(menu->topicButton(6)->look(), PictureButton::Look::Highlighted);
    moveTo(menu->taskButton(1));
    moveToBackground();
    EXPECT_EQ(menu->topicButton(6)->look(), PictureButton::Look::Normal);
    EXPECT_EQ(menu->taskButton(1)->look(), PictureButton::Look::Normal);
    EXPECT_EQ(menu->topicButton(3)->look(), PictureButton::Look::Highlighted);

    // Clicking the selected topic again does not load its pictures again.
    const qint64 before = menu->taskButton(1)->normalPicture().cacheKey();
    menu->selectTopic(3);
    EXPECT_EQ(menu->taskButton(1)->normalPicture().cacheKey(), before);
    menu->selectTopic(5);
    EXPECT_TRUE(menu->taskButton(5)->isVisible());
    EXPECT_EQ(menu->topicButton(3)->look(), PictureButton::Look::Normal);
}

TEST_F(MenuTest, ChoosingATaskNamesItAndPersists)
{
    QSignalSpy chosen(menu, &FrmSelect::taskChosen);
    menu->selectTopic(6);
    QTest::mouseClick(menu->taskButton(3), Qt::LeftButton);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(menu->chosenTaskCode(), QStringLiteral("6c"));
    EXPECT_EQ(menu->taskButton(3)->look(), PictureButton::Look::Chosen);
    moveTo(menu->taskButton(1));
    moveToBackground();
    EXPECT_TRUE(menu->taskButton(3)->isMarked());
    EXPECT_NE(menu->taskButton(3)->look(), PictureButton::Look::Normal);

    // A position the topic does not have changes nothing.
    menu->chooseTask(5);
    EXPECT_EQ(menu->chosenTaskCode(), QStringLiteral("6c"));
    EXPECT_EQ(chosen.count(), 1);
}

TEST_F(MenuTest, CreditsComeBackOnAClickAndNoKeepsTheProgram)
{
    QTest::mouseClick(menu->helpButton(), Qt::LeftButton);
    QWidget* credits = host.currentForm();
    ASSERT_NE(credits, menu);
    EXPECT_FALSE(menu->isVisible());
    QTest::mousePress(credits, Qt::LeftButton);
    EXPECT_EQ(host.currentForm(), menu);
    EXPECT_TRUE(menu->isVisible());
    // A button left down would turn the next test's moves into a drag.
    QTest::mouseRelease(menu, Qt::LeftButton);

    services.answer = MessageAnswer::No;
    menu->confirmEnd();
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(services.messages,
              QStringList{QStringLiteral("Ukončenie aplikácie: Naozaj chcete ukončiť tento program?")});
}

// "Áno" ends the program at once: the pupil is not asked a second time
// while the window closes.
TEST_F(MenuTest, YesEndsTheProgramAfterOneQuestion)
{
    services.answer = MessageAnswer::Yes;
    QTimer::singleShot(0, menu, &FrmSelect::confirmEnd);
    QTimer::singleShot(5000, menu, [] { QCoreApplication::exit(2); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(services.messages.size(), 1);
}

TEST(MenuStart, SplashClickBringsTheBuiltMenu)
{
    qputenv("ORBETA_WINDIR", qgetenv("ORBETA_BUILD_DIR"));
    FakeServices services;
    ScreenHost host;
    auto* menu = new FrmSelect(services, host.stage());
    ASSERT_TRUE(menu->load(host, DisplayChoice::Window, true));
    QWidget* splash = host.currentForm();
    ASSERT_NE(splash, menu);
    EXPECT_FALSE(menu->isVisible());
    EXPECT_TRUE(qobject_cast<FrmIntro*>(splash)->information().contains(QStringLiteral("Typ disku: ")));
    QTest::mousePress(splash, Qt::LeftButton);
    EXPECT_EQ(host.currentForm(), menu);
    EXPECT_TRUE(menu->isVisible());
    ASSERT_NE(menu->topicButton(1), nullptr);
    EXPECT_FALSE(menu->topicButton(1)->normalPicture().isNull());
}

TEST_F(MenuTest, MouseThroughTheScaledScreenReachesTheButtons)
{
    // Twice the design size: design point (p) is at 2p on the screen.
    host.setFixedSize(1280, 960);
    QCoreApplication::processEvents();
    QWidget* viewport = host.viewport();
    ClearHoverItem(*menu);
    const QPoint topic3 = Layout::kTopicButton1.translated(0, 2 * Layout::kTopicStep).topLeft() + QPoint(36, 20);
    QTest::mouseMove(viewport, 2 * topic3);
    EXPECT_EQ(host.hoverId(), 4);
    EXPECT_EQ(menu->topicButton(3)->look(), PictureButton::Look::Highlighted);
    QTest::mouseClick(viewport, Qt::LeftButton, {}, 2 * topic3);
    EXPECT_EQ(menu->selectedTopic(), 3);
    EXPECT_EQ(host.designPosition(viewport->mapToGlobal(QPoint(2 * 60, 2 * 100))), QPoint(60, 100));
}
