// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A pupil draws ray constructions on the optics form through Qt events: the
// right rays come from the examples the fixed seed makes; the series lands in
// the ranking and the results log, wrong ones get the ray-by-ray feedback.
#include "calc/basics/RandomSource.h"
#include "formats/LineCodec.h"
#include "optics/FrmZobr.h"
#include "optics/OpticsPicture.h"
#include "optics/OpticsSceneFile.h"
#include "tests/app/TaskSeriesFixture.h"

#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

using namespace orbeta;
using test::seededRandom;

namespace {

void mouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

// Rest on the start, press, drag half way and on to the end, release.
void stroke(QWidget* pic, QPoint from, QPoint to)
{
    mouse(pic, QEvent::MouseMove, from, Qt::NoButton, Qt::NoButton);
    mouse(pic, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    mouse(pic, QEvent::MouseMove, (from + to) / 2, Qt::NoButton, Qt::LeftButton);
    mouse(pic, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    mouse(pic, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

class OpticsSeriesTest : public test::TaskSeriesFixture {
protected:
    void drawRight(FrmZobr& form, int ray)
    {
        const OpticsExample& e = form.example();
        stroke(form.picture(), e.rayPoints[std::size_t(ray)][0], form.drawing().correctEnd(ray, 120));
    }
};

} // namespace

TEST_F(OpticsSeriesTest, RightConstructionsDrawnWithTheMouseMakeARecordedSeries)
{
    for (const char* code : {"4a", "4b"}) {
        SCOPED_TRACE(code);
        FrmZobr* form = openOptics(QString::fromLatin1(code), 40, 4);
        ASSERT_TRUE(form);
        for (int k = 0; k < 4; ++k) {
            SCOPED_TRACE(k);
            drawRight(*form, 1);
            drawRight(*form, 2);
            ASSERT_TRUE(form->drawing().imageArrow());
            QTest::mouseClick(form->topButton(1), Qt::LeftButton);
            EXPECT_TRUE(form->lastCheckRight());
            EXPECT_FALSE(form->markButton()->isEnabled()); // a right construction has no hint
            QTest::mouseClick(form->continueButton(), Qt::LeftButton);
        }
        expectRecorded(QString::fromLatin1(code), 4, 0);
    }
}

TEST_F(OpticsSeriesTest, AWrongConstructionShowsTheCorrectOneWithItsFault)
{
    FrmZobr* form = openOptics(QStringLiteral("4b"), 8);
    ASSERT_TRUE(form);
    drawRight(*form, 1);
    QTest::mouseClick(form->topButton(1), Qt::LeftButton);
    EXPECT_FALSE(form->lastCheckRight());
    EXPECT_EQ(form->series().wrong(), 1);
    ASSERT_TRUE(form->markButton()->isEnabled());
    QTest::mouseClick(form->markButton(), Qt::LeftButton);
    ASSERT_TRUE(form->hintWindow());
    EXPECT_TRUE(form->hintWindow()->isVisible());
    EXPECT_EQ(form->feedback(), QStringLiteral("Chýba lúč 2."));

    // Continue shuts the hint.
    QTest::mouseClick(form->continueButton(), Qt::LeftButton);
    EXPECT_FALSE(form->hintWindow()->isVisible());
}

TEST_F(OpticsSeriesTest, TheSeedReplaysTheSameExamples)
{
    FrmZobr* form = openOptics(QStringLiteral("4a"), 7, 5);
    ASSERT_TRUE(form);
    const auto scenes = OpticsSceneFile::ReadMirrorScenes(installed(QStringLiteral("4a.dat")), QStringLiteral("4a.dat"));
    OpticsGenerator generator(scenes.value());
    for (std::uint64_t k = 0; k < 4; ++k) {
        RandomSource random(7 + k);
        const OpticsExample expected = generator.GenerateExample([&random] { return random.Rnd(); }).value();
        EXPECT_EQ(form->example().sceneIndex, expected.sceneIndex);
        EXPECT_EQ(form->example().objectTop, expected.objectTop);
        EXPECT_EQ(form->example().image, expected.image);
        QTest::mouseClick(form->topButton(2), Qt::LeftButton);
    }
}

// A mistyped picture name would draw a scene with no mirror and no axis: the
// form does not open, and the message names the file's path and line, as for
// every scene the reader refuses.
TEST_F(OpticsSeriesTest, AMirrorWithoutItsPictureNamesItsLine)
{
    QStringList lines = LineCodec::decodedLines(installed(QStringLiteral("4a.dat")));
    lines[0].replace(QStringLiteral("ZrkDut1.bmp"), QStringLiteral("ZrkDut1.bpm"));
    writeData(QStringLiteral("4a.dat"), lines, 5);
    choose(QStringLiteral("4a"), 3);
    EXPECT_FALSE(FrmZobr::open(services, results, series, OpticsTask::Mirror, seededRandom(), 1, &setup, host.stage()));
    ASSERT_EQ(services.messages.size(), 1);
    const QString& message = services.messages.front();
    EXPECT_TRUE(message.contains(data.path()) && message.contains(QStringLiteral("4a.dat, riadok 1")))
        << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("ZrkDut1.bpm"))) << message.toStdString();
}
