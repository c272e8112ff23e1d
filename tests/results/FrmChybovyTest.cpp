// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/forms/FrmChybovy.h"
#include "results/hint/HintLayout.h"
#include "services/Resources.h"

#include <QLabel>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace orbeta;

namespace {

// A form below the hint window that counts the presses reaching it.
class Below : public QWidget {
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
};

class FrmChybovyTest : public ::testing::Test {
protected:
    const Resources resources{Installation{.resourceDir = qEnvironmentVariable("ORBETA_BUILD_DIR") + QStringLiteral("/cd/")}};
};

} // namespace

TEST_F(FrmChybovyTest, ShortTextKeepsTheDesignedSizeAtTheBaseTop)
{
    FrmChybovy hint(resources, QStringLiteral("1a"));
    hint.Vloz_Text(QStringLiteral("Hustota: 0,79 g/cm³"));
    EXPECT_EQ(hint.Label1()->text(), QStringLiteral("Hustota: 0,79 g/cm³"));
    EXPECT_EQ(hint.Label1()->font().pixelSize(), 16);
    EXPECT_EQ(hint.Label1()->y(), 4);
    EXPECT_TRUE(hint.Label1()->isVisibleTo(&hint));
    EXPECT_FALSE(hint.Pic()->isVisibleTo(&hint));
    // Two lines are measured by the longest one.
    hint.Vloz_Text(QStringLiteral("I = 1,5 A\nR = 6 Ω"));
    EXPECT_EQ(hint.Label1()->font().pixelSize(), 16);
}

// The label keeps its area; only its top follows the size.
TEST_F(FrmChybovyTest, LongTextShrinksAndStopsAtTheLowerBound)
{
    FrmChybovy hint(resources, QStringLiteral("6a"));
    const int width = hint.Label1()->width();
    hint.Vloz_Text(QStringLiteral("Isaac Newton - zákon všeobecnej gravitácie (1687)"));
    EXPECT_LT(hint.Label1()->font().pixelSize(), 16);
    EXPECT_GE(hint.Label1()->font().pixelSize(), 10);
    EXPECT_GE(hint.Label1()->y(), hint.baseTop());
    hint.Vloz_Text(QString(200, QLatin1Char('W')));
    EXPECT_EQ(hint.Label1()->font().pixelSize(), 10);
    EXPECT_EQ(hint.Label1()->y(), hint.baseTop() + 3);
    EXPECT_EQ(hint.Label1()->width(), width);
}

TEST_F(FrmChybovyTest, PictureVariantsHideTheText)
{
    for (const char* code : {"2e", "4a", "4b"}) {
        FrmChybovy hint{resources, QString::fromLatin1(code)};
        hint.Vloz_Text(QStringLiteral("x"));
        EXPECT_FALSE(hint.Label1()->isVisibleTo(&hint)) << code;
        EXPECT_TRUE(hint.Pic()->isVisibleTo(&hint)) << code;
        EXPECT_EQ(hint.size(), hint.picture().size()) << code;
    }
}

TEST_F(FrmChybovyTest, MagentaPixelsAreOutsideTheWindowAndClicksThereReachTheFormBelow)
{
    Below below;
    below.resize(640, 480);
    auto* hint = new FrmChybovy(resources, QStringLiteral("6c"), &below);
    hint->move(100, 100);
    hint->show();
    below.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&below));
    QSignalSpy hintPresses(hint, &Form::backgroundMousePressed);

    // The bubble of Hint04 points upwards, so its top corners are magenta; the
    // region itself is RegionFromBitmap's, checked pixel by pixel in MiscTest.
    ASSERT_EQ(hint->picture().toImage().pixel(0, 0) & 0xFFFFFF, 0xFF00FFu);
    EXPECT_FALSE(hint->mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(hint->mask().contains(QPoint(238, 25)));

    QTest::mouseClick(below.windowHandle(), Qt::LeftButton, {}, QPoint(101, 101));
    EXPECT_EQ(below.presses, 1);
    EXPECT_EQ(hintPresses.count(), 0);

    QTest::mouseClick(below.windowHandle(), Qt::LeftButton, {}, QPoint(100 + 238, 100 + 25));
    EXPECT_EQ(hintPresses.count(), 1);
}
