#include "menu/SetupLayout.h"
#include "menu/SetupState.h"
#include "menu/TaskForm.h"

#include <gtest/gtest.h>

using namespace orbeta;

TEST(SetupLayout, CountsPerTopicGroup)
{
    const auto physics = SetupLayout::forTask(QStringLiteral("1a"));
    const auto history = SetupLayout::forTask(QStringLiteral("6a"));
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(history.countOf(i), 5 * i);
    EXPECT_EQ(physics.countOf(1), 3);
    EXPECT_EQ(physics.countOf(3), 8);
    EXPECT_EQ(physics.countOf(5), 15);
    EXPECT_EQ(physics.countOf(0), 0);
    EXPECT_EQ(physics.countOf(6), 0);
}

TEST(SetupLayout, PictureNamesPerTopicGroup)
{
    const auto physics = SetupLayout::forTask(QStringLiteral("5e"));
    const auto history = SetupLayout::forTask(QStringLiteral("6c"));
    EXPECT_EQ(physics.countPicture(1, false), QStringLiteral("Bitmap\\Setup\\03_0.bmp"));
    EXPECT_EQ(physics.countPicture(3, true), QStringLiteral("Bitmap\\Setup\\08_1.bmp"));
    EXPECT_EQ(history.countPicture(1, false), QStringLiteral("Bitmap\\Setup\\005_0.bmp"));
    EXPECT_EQ(history.countPicture(5, true), QStringLiteral("Bitmap\\Setup\\025_1.bmp"));
    EXPECT_EQ(physics.arrowPicture(1), QStringLiteral("Bitmap\\Setup\\Sipka_05.bmp"));
    EXPECT_EQ(history.arrowPicture(5), QStringLiteral("Bitmap\\Setup\\Sipka_25.bmp"));
    EXPECT_EQ(physics.background(), QStringLiteral("Bitmap\\Setup\\bckg1.bmp"));
    EXPECT_EQ(history.background(), QStringLiteral("Bitmap\\Setup\\bckg6.bmp"));
    EXPECT_EQ(physics.headingPicture(), QStringLiteral("Bitmap\\Setup\\s_5e.bmp"));
    EXPECT_EQ(history.topicPicture(), QStringLiteral("Bitmap\\Setup\\l_6c.bmp"));
    EXPECT_EQ(history.helpPicture(), QStringLiteral("Bitmap\\Help\\setup6.bmp"));
    EXPECT_EQ(physics.nameFieldLeft(), 419);
    EXPECT_EQ(history.nameFieldLeft(), 329);
    EXPECT_EQ(history.headingPosition(), QPoint(86, 240));
}

TEST(SetupState, CountBeforeNameShowsOnlyPrint)
{
    SetupState s(SetupLayout::forTask(QStringLiteral("2b")));
    EXPECT_EQ(s.updateContinue(), ButtonStep::Hide);
    EXPECT_EQ(s.updatePrint(), ButtonStep::Hide);

    s.chooseCount(2);
    EXPECT_EQ(s.exampleCount(), 5);
    EXPECT_EQ(s.updateContinue(), ButtonStep::Hide);
    EXPECT_EQ(s.updatePrint(), ButtonStep::AnimateIn);

    s.setName(QStringLiteral("E"));
    EXPECT_EQ(s.updateContinue(), ButtonStep::AnimateIn);
    EXPECT_TRUE(s.continueShown());
}

TEST(SetupState, ButtonsAnimateInOnlyOnce)
{
    SetupState s(SetupLayout::forTask(QStringLiteral("6a")));
    s.setName(QStringLiteral("Eva"));
    s.chooseCount(1);
    EXPECT_EQ(s.updateContinue(), ButtonStep::AnimateIn);
    EXPECT_EQ(s.updatePrint(), ButtonStep::AnimateIn);
    s.chooseCount(4);
    EXPECT_EQ(s.exampleCount(), 20);
    EXPECT_EQ(s.updateContinue(), ButtonStep::Keep);
    EXPECT_EQ(s.updatePrint(), ButtonStep::Keep);
    s.setName(QStringLiteral("Eva N"));
    EXPECT_EQ(s.updateContinue(), ButtonStep::Keep);
}

TEST(SetupState, EmptiedNameHidesContinueAndItAnimatesAgainLater)
{
    SetupState s(SetupLayout::forTask(QStringLiteral("1a")));
    s.chooseCount(1);
    s.setName(QStringLiteral("A"));
    EXPECT_EQ(s.updateContinue(), ButtonStep::AnimateIn);
    EXPECT_EQ(s.updatePrint(), ButtonStep::AnimateIn);
    s.setName(QString());
    EXPECT_EQ(s.updateContinue(), ButtonStep::Hide);
    EXPECT_FALSE(s.continueShown());
    EXPECT_EQ(s.updatePrint(), ButtonStep::Keep);
    s.setName(QStringLiteral("B"));
    EXPECT_EQ(s.updateContinue(), ButtonStep::AnimateIn);
}

TEST(SetupState, OneCountButtonIsMarked)
{
    SetupState s(SetupLayout::forTask(QStringLiteral("1a")));
    s.chooseCount(3);
    s.chooseCount(5);
    for (int i = 1; i <= 4; ++i)
        EXPECT_FALSE(s.isChosen(i)) << i;
    EXPECT_TRUE(s.isChosen(5));
    s.chooseCount(9);
    EXPECT_TRUE(s.isChosen(5));
    EXPECT_EQ(s.exampleCount(), 15);
}

TEST(TaskForm, EveryCatalogueCodeHasItsForm)
{
    for (const char* code : {"1a", "1b", "1c", "1d", "2a", "2b", "2c", "2d", "2e", "3a", "3b",
                             "5a", "5b", "5c", "5d", "5e"})
        EXPECT_EQ(taskFormFor(QLatin1String(code)), TaskForm::Mech1) << code;
    EXPECT_EQ(taskFormFor(QStringLiteral("4a")), TaskForm::Zobr);
    EXPECT_EQ(taskFormFor(QStringLiteral("4b")), TaskForm::Zobr);
    EXPECT_EQ(taskFormFor(QStringLiteral("6a")), TaskForm::Dvojice);
    EXPECT_EQ(taskFormFor(QStringLiteral("6b")), TaskForm::Osa);
    EXPECT_EQ(taskFormFor(QStringLiteral("6c")), TaskForm::Osa);
    EXPECT_FALSE(taskFormFor(QStringLiteral("0")).has_value());
    EXPECT_FALSE(taskFormFor(QStringLiteral("1e")).has_value());
}
