// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The scenes of "2a" to "2d" as the pupil sees them: the form's boxes fit the
// scene beside the apparatus, and the tube, the body and the load stand where
// the example's values say.
#include "calc/CalcScene.h"
#include "calc/Experiment.h"
#include "look/LabScene.h"
#include "look/LeverScenePainter.h"
#include "look/MechanicsScenePainter.h"
#include "look/Palette.h"
#include "look/PictureImage.h"
#include "look/Typeface.h"
#include "tests/support/CalcTestTables.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace orbeta;

namespace {

constexpr std::array<CalcTask, 4> kTasks{CalcTask::LiquidPressure, CalcTask::MechanicalWork, CalcTask::WinchPower,
                                         CalcTask::WinchEnergy};
constexpr std::uint64_t kSeeds = 40;

QImage render(const CalcExample& example, const ExperimentScene& frame)
{
    Typeface::loadFonts();
    return PictureImage::opaque(LabScene::kSize, [&](QPainter& p, QSize) {
        CalcScene::draw(p, example, frame, CalcMap{});
    });
}

// The boxes with their unit labels where the form puts them, before the run
// and (for a box that moves on the start) during it.
QList<std::pair<QString, QRect>> formPlaces(const CalcExample& e, bool running)
{
    SceneLayout l = CalcScene::layout(e);
    if (running && l.movedOnStart)
        l.boxes[std::size_t(l.movedOnStart->box - 1)] = l.movedOnStart->to;
    QList<std::pair<QString, QRect>> places;
    for (std::size_t i = 0; i < l.boxes.size(); ++i) {
        if (!l.boxes[i])
            continue;
        const QPoint box = *l.boxes[i];
        places.append({QStringLiteral("TVstup(%1)").arg(i + 1), QRect(box, Layout::kAnswerBox)});
        const int unitWidth = QFontMetrics(Typeface::font(14)).horizontalAdvance(e.boxes[i].unit);
        places.append({QStringLiteral("LVstup(%1)").arg(i + 1),
                       QRect(QPoint(box.x() + Layout::kAnswerBox.width() + 4, box.y()), QSize(unitWidth, 24))});
    }
    return places;
}

// The parts a pupil must see: the tube and the piston, the board under the
// body's whole way, the load's whole way up.
QList<QRectF> inSight(const CalcExample& e)
{
    switch (e.task) {
    case CalcTask::LiquidPressure:
        return {QRectF(MechanicsScenePainter::pressApparatus())};
    case CalcTask::MechanicalWork: {
        QList<QRectF> parts;
        BoardScene board{.distance = std::get<MechanicalWorkValues>(e.values).s};
        for (double at : {0.0, 0.5, 1.0}) {
            board.travelled = at;
            parts.append(QRectF(MechanicsScenePainter::bodyOnBoard(board) - QPointF(0, 50), QSizeF(50, 50)));
        }
        return parts;
    }
    default:
        return {QRectF(MechanicsScenePainter::winchApparatus())};
    }
}

TEST(MechanicsSceneLayout, BoxesFitTheSceneBesideTheApparatusBeforeAndDuringTheRun)
{
    Typeface::loadFonts();
    const QRect scene(QPoint(0, 0), LabScene::kSize);
    for (CalcTask task : kTasks) {
        EXPECT_TRUE(CalcScene::available(task));
        for (std::uint64_t seed = 1; seed <= kSeeds; ++seed) {
            const CalcExample e = test::generated(task, seed);
            SCOPED_TRACE(testing::Message() << calcTaskCode(task).toStdString() << " seed " << seed);
            const SceneLayout l = CalcScene::layout(e);
            for (std::size_t i = 0; i < l.boxes.size(); ++i)
                EXPECT_EQ(l.boxes[i].has_value(), e.boxes[i].used) << "box " << i + 1;
            for (bool running : {false, true}) {
                const auto places = formPlaces(e, running);
                for (qsizetype a = 0; a < places.size(); ++a) {
                    EXPECT_TRUE(scene.contains(places[a].second)) << places[a].first.toStdString();
                    for (const QRectF& part : inSight(e))
                        EXPECT_FALSE(QRectF(places[a].second).intersects(part)) << places[a].first.toStdString();
                    for (qsizetype b = a + 1; b < places.size(); ++b)
                        EXPECT_FALSE(places[a].second.intersects(places[b].second))
                            << places[a].first.toStdString() << " and " << places[b].first.toStdString();
                }
            }
        }
    }
}

// After the run the tube's liquid reaches the tick of the example's pressure,
// with the red mark on its top; before the run it stands at 0 kPa. (An asked
// pressure has no ticks to reach.)
TEST(MechanicsScenes, TheTubeShowsThePressureOfTheWeight)
{
    for (std::uint64_t seed = 1; seed <= 12; ++seed) {
        const CalcExample e = test::generated(CalcTask::LiquidPressure, seed);
        if (e.asked == 1)
            continue;
        const double p = std::get<LiquidPressureValues>(e.values).p;
        const Experiment x(e);
        for (const auto& [frame, kPa] : {std::pair{0, 0.0}, std::pair{x.lastFrame(), p}}) {
            const QImage image = render(e, x.scene(frame));
            const qreal level = MechanicsScenePainter::tubeLevelY(kPa);
            const int tubeX = MechanicsScenePainter::pressApparatus().right() - 7;
            EXPECT_EQ(image.pixelColor(tubeX, int(level) + 3), Palette::liquid()) << "seed " << seed;
            EXPECT_EQ(image.pixelColor(tubeX, int(level) - 2), Palette::mark()) << "seed " << seed;
            EXPECT_NE(image.pixelColor(tubeX, int(level) - 6), Palette::liquid()) << "seed " << seed;
        }
    }
}

// The load rises by the example's height on the scale; the body ends its
// pull at the distance's mark, a metre's ticks further per metre.
TEST(MechanicsScenes, TheLoadAndTheBodyEndWhereTheValuesSay)
{
    WinchScene low{.height = 4.0, .lifted = 0, .energy = false};
    WinchScene high = low;
    high.lifted = 1;
    const qreal rise4 = MechanicsScenePainter::loadBottomY(low) - MechanicsScenePainter::loadBottomY(high);
    low.height = high.height = 8.0;
    const qreal rise8 = MechanicsScenePainter::loadBottomY(low) - MechanicsScenePainter::loadBottomY(high);
    EXPECT_GT(rise4, 100);
    EXPECT_NEAR(rise8, rise4, 1);  // each on its own scale, both reach the top mark
    low.height = high.height = 89.1;
    EXPECT_GE(MechanicsScenePainter::loadBottomY(high), 0);

    const BoardScene start{.distance = 3, .travelled = 0};
    const BoardScene end3{.distance = 3, .travelled = 1};
    const BoardScene end6{.distance = 6, .travelled = 1};
    const QPointF a = MechanicsScenePainter::bodyOnBoard(start);
    const QPointF b = MechanicsScenePainter::bodyOnBoard(end3);
    const QPointF c = MechanicsScenePainter::bodyOnBoard(end6);
    EXPECT_NEAR(std::hypot(c.x() - a.x(), c.y() - a.y()), 2 * std::hypot(b.x() - a.x(), b.y() - a.y()), 0.5);
    EXPECT_LT(b.y(), a.y());  // up the slope
}

} // namespace

namespace {

// The height of the beam's top edge at x, found by its wood colour.
int beamTop(const QImage& image, int x)
{
    for (int y = 40; y < 160; ++y) {
        const QColor c = image.pixelColor(x, y);
        if (c.red() > 185 && c.green() > 140 && c.green() < 200 && c.blue() < 140)
            return y;
    }
    return -1;
}

// The run of "2e" tips the lever down on the side of the larger moment and
// leaves it level when the moments are equal.
TEST(LeverScene, TheLeverTipsToTheHeavierSideAndStaysLevelInBalance)
{
    Typeface::loadFonts();
    for (std::uint64_t seed = 1; seed <= 12; ++seed) {
        const CalcExample e = test::generated(CalcTask::Lever, seed);
        const auto& x = std::get<LeverValues>(e.values);
        SCOPED_TRACE(seed);
        LeverBoard board(e, CalcScene::leverPlaces());
        const int left = LeverScenePainter::kPivot.x() - 5 * LeverScenePainter::kMarkStep - 6;
        const int right = LeverScenePainter::kPivot.x() + 5 * LeverScenePainter::kMarkStep + 6;
        auto tops = [&](const LeverBoard& b, double tipped) {
            const QImage image = PictureImage::opaque(LabScene::kSize, [&](QPainter& p, QSize) {
                CalcScene::draw(p, e, LeverFrame{tipped}, CalcMap{}, &b);
            });
            return std::pair{beamTop(image, left), beamTop(image, right)};
        };
        // Before the placed weight hangs the side of the hanging weights goes down.
        const auto [l0, r0] = tops(board, 0);
        EXPECT_EQ(l0, r0);
        const auto [l1, r1] = tops(board, 1);
        EXPECT_GT(l1 - r1, 10);
        // The placed weight on its mark balances it.
        int w = 1;
        while (board.mass(w) != x.placedWeight())
            ++w;
        board.press(w, true);
        board.move(CalcScene::leverPlaces().hooks[std::size_t(6 + x.placedMark())] - board.position(w));
        board.release();
        ASSERT_TRUE(board.weightHung());
        const auto [l2, r2] = tops(board, 1);
        EXPECT_EQ(l2, r2);
    }
}

} // namespace
