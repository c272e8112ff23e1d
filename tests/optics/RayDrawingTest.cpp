// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/basics/RandomSource.h"
#include "optics/OpticsGenerator.h"
#include "optics/RayDrawing.h"
#include "optics/RayFeedback.h"
#include "tests/optics/KeyboardAim.h"
#include "tests/optics/OpticsTestScenes.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace orbeta;

namespace {

// An example of the mirror slot or lens slot, from a fixed seed.
OpticsExample mirrorExample(int slot, std::uint64_t seed = 1)
{
    RandomSource random(seed);
    return *OpticsGenerator::onMirror(test::shippedMirrors(), slot, [&random] { return random.Rnd(); });
}

OpticsExample lensExample(int slot, std::uint64_t seed = 1)
{
    RandomSource random(seed);
    return *OpticsGenerator::onLens(test::shippedLenses(), slot, [&random] { return random.Rnd(); });
}

// A point `length` px from `from` along the line to `to` (or away from it).
QPoint along(QPoint from, QPoint to, double length, bool towards = true)
{
    const double dx = to.x() - from.x();
    const double dy = to.y() - from.y();
    const double d = std::hypot(dx, dy) * (towards ? 1 : -1);
    return from + QPoint(int(std::lround(length * dx / d)), int(std::lround(length * dy / d)));
}

// A pupil's stroke: rest on the start, press, drag and release.
void draw(RayDrawing& d, QPoint start, QPoint end)
{
    d.move(start, false);
    d.press(start);
    d.move(end, true);
    d.release(end);
}

// The right outgoing ray i as a pupil draws it.
void drawRight(RayDrawing& d, int i)
{
    const auto& p = d.example().rayPoints[std::size_t(i)];
    draw(d, p[0], along(p[0], p[1], 120, d.towardsSecondPoint()));
}

// A concave mirror's example with its object beyond C (0), between C and F
// (1) or inside F (2).
OpticsExample concaveExample(int region, int slot = 1)
{
    for (std::uint64_t seed = 1;; ++seed) {
        const OpticsExample e = mirrorExample(slot, seed);
        const int x = e.objectBase.x();
        if ((x < e.centre.x() ? 0 : x < e.focus.x() ? 1 : 2) == region)
            return e;
    }
}

RayDrawing drawing(const OpticsExample& e)
{
    return RayDrawing(e, OpticsGenerator::kArea);
}

std::vector<OpticsExample> everyKind(std::uint64_t seed)
{
    return {mirrorExample(1, seed), mirrorExample(3, seed), mirrorExample(5, seed), mirrorExample(6, seed),
            lensExample(1, seed), lensExample(2, seed), concaveExample(0, 2), concaveExample(1, 2), concaveExample(2, 2)};
}

} // namespace

TEST(RayDrawing, RightConstructionsAreRightOnEveryKindOfScene)
{
    for (std::uint64_t seed = 0; seed < 40; ++seed) {
        for (const OpticsExample& e : everyKind(seed)) {
            RayDrawing d = drawing(e);
            drawRight(d, 1);
            drawRight(d, 2);
            SCOPED_TRACE("seed " + std::to_string(seed) + " slot " + std::to_string(e.sceneIndex));
            EXPECT_EQ(d.drawnRayCount(), 2);
            ASSERT_TRUE(d.imageArrow());
            EXPECT_TRUE(d.evaluate());
            EXPECT_TRUE(RayFeedback::faults(d).empty());
            // The image arrow points down exactly when the image is inverted.
            EXPECT_EQ(d.imageArrow()->pointsDown, e.image.y() > e.axisY());
            // Virtual images get their dotted backward extensions, real ones none.
            const PupilRay& ray = d.pupilRays()[1];
            EXPECT_EQ(ray.extendedToAxis || ray.extendedToBorder, e.virtualImage());
            if (e.virtualImage()) {
                // The dotted line runs back from where the ray leaves the mirror or lens.
                ASSERT_NE(ray.extensionEnd, OpticsGeometry::kMissing);
                EXPECT_EQ(ray.extensionStart, ray.start);
                EXPECT_LT(QPoint::dotProduct(ray.extensionEnd - ray.start, ray.end - ray.start), 0);
            }
        }
    }
}

TEST(RayDrawing, CheckRayEndAcceptsThreePixelsOffAndMovesTheEndOntoTheLine)
{
    struct Case {
        QPoint a, b, end;
        bool ok;
        QPoint corrected;
    };
    const Case cases[] = {
        {{100, 100}, {200, 150}, {300, 203}, true, {300, 200}},  // shallow: y checked
        {{100, 100}, {200, 150}, {300, 196}, false, {}},
        {{100, 100}, {200, 150}, {300, 197}, true, {300, 200}},
        {{100, 100}, {200, 150}, {300, 204}, false, {}},
        {{100, 100}, {120, 300}, {123, 300}, true, {120, 300}},  // steep: x checked
        {{100, 100}, {120, 300}, {116, 300}, false, {}},
        {{100, 100}, {200, 150}, {0, 50}, false, {}},             // on the line, but behind A
    };
    for (const Case& c : cases) {
        QPoint end = c.end;
        EXPECT_EQ(RayDrawing::CheckRayEnd(c.a, c.b, end, true), c.ok) << c.end.x() << ", " << c.end.y();
        EXPECT_EQ(end, c.ok ? c.corrected : c.end);
    }
    QPoint behind(0, 50);
    EXPECT_TRUE(RayDrawing::CheckRayEnd({100, 100}, {200, 150}, behind, false));
}

TEST(RayDrawing, AReleaseNearThePressMakesNoRay)
{
    const OpticsExample e = mirrorExample(2);
    const QPoint start = e.rayPoints[1][0];
    RayDrawing d = drawing(e);
    draw(d, start, start + QPoint(5, -5));
    EXPECT_EQ(d.drawnRayCount(), 0);
    EXPECT_FALSE(d.pupilRays()[1].drawn);
    EXPECT_FALSE(d.drawing());
    draw(d, start, start + QPoint(-6, 0));
    EXPECT_TRUE(d.pupilRays()[1].drawn);
}

TEST(RayDrawing, PressingNearADrawnRaysStartDeletesIt)
{
    const OpticsExample e = lensExample(1);
    const QPoint start = e.rayPoints[1][0];
    RayDrawing d = drawing(e);
    drawRight(d, 1);
    drawRight(d, 2);
    ASSERT_TRUE(d.imageArrow());
    // Exactly 6 px away in one axis is not near enough.
    d.move({0, 0}, false);
    d.press(start + QPoint(6, 0));
    EXPECT_TRUE(d.pupilRays()[1].drawn);
    d.press(start + QPoint(5, -5));
    EXPECT_FALSE(d.pupilRays()[1].drawn);
    EXPECT_EQ(d.drawnRayCount(), 1);
    // The image arrow went with it: one ray left is wrong.
    EXPECT_FALSE(d.imageArrow());
    EXPECT_FALSE(d.evaluate());
    // The feedback names the ray that is missing, not "the second".
    EXPECT_EQ(RayFeedback::faults(d), std::vector{RayFault::Ray1Missing});
    EXPECT_EQ(RayFeedback::text(RayFault::Ray1Missing, e), QStringLiteral("Chýba lúč 1."));
    RayDrawing first = drawing(e);
    drawRight(first, 1);
    EXPECT_EQ(RayFeedback::faults(first), std::vector{RayFault::Ray2Missing});
}

TEST(RayDrawing, AStartNearTheRayPointSnapsOntoIt)
{
    const OpticsExample e = mirrorExample(1);
    const QPoint start = e.rayPoints[2][0];
    RayDrawing d = drawing(e);
    d.move(start + QPoint(4, 3), false);
    EXPECT_TRUE(d.startAllowed());
    d.press(start + QPoint(4, 3));
    EXPECT_EQ(d.drawStart(), start);
    d.release(along(start, e.rayPoints[2][1], 90));
    EXPECT_FALSE(d.rayError(2));
    d.move(start + QPoint(6, 0), false);
    EXPECT_FALSE(d.startAllowed());
}

TEST(RayDrawing, AReleaseWhereTheRubberBandSnappedIsDrawnAndJudgedSnapped)
{
    for (int slot = 1; slot <= 3; ++slot) {
        const OpticsExample e = mirrorExample(slot);
        const QPoint start = e.rayPoints[1][0];
        const QPoint focus = e.rayPoints[1][1];
        // Released 5 px below F: the rubber band stands on F, so the ray does.
        const QPoint release = focus + QPoint(-1, 5);
        RayDrawing d = drawing(e);
        d.move(start, false);
        d.press(start);
        ASSERT_EQ(d.move(release, true), focus);
        d.release(release);
        SCOPED_TRACE(slot);
        EXPECT_FALSE(d.rayError(1));
        ASSERT_TRUE(d.pupilRays()[1].drawn);
        EXPECT_EQ(d.pupilRays()[1].end, OpticsGeometry::ExtendToBorder(start, focus, OpticsGenerator::kArea));
    }
}

TEST(RayDrawing, ARayThroughTheBackOfAMirrorIsWrong)
{
    for (int slot = 4; slot <= 6; ++slot) {
        const OpticsExample e = mirrorExample(slot);
        // Ray 2 of a convex mirror runs almost level: a short stroke on
        // through the mirror lies within the tolerance of its line.
        const QPoint start = e.rayPoints[2][0];
        const QPoint through = start + QPoint(10, 0);
        QPoint onLine = through;
        ASSERT_TRUE(RayDrawing::CheckRayEnd(start, e.rayPoints[2][1], onLine, true)) << slot;
        RayDrawing d = drawing(e);
        drawRight(d, 1);
        draw(d, start, through);
        EXPECT_TRUE(d.rayError(2)) << slot;
        EXPECT_FALSE(d.evaluate()) << slot;
        EXPECT_EQ(RayFeedback::faults(d), std::vector{RayFault::Ray2Side}) << slot;
    }
    // An end level with A lies on neither side of it: it does not run away from B.
    QPoint level(120, 100);
    EXPECT_FALSE(RayDrawing::CheckRayEnd({100, 100}, {200, 110}, level, false));
}

TEST(RayDrawing, OneRayOrALineStartedElsewhereIsWrong)
{
    const OpticsExample e = mirrorExample(3);
    RayDrawing one = drawing(e);
    drawRight(one, 1);
    EXPECT_FALSE(one.evaluate());
    EXPECT_FALSE(one.imageArrow());

    RayDrawing stray = drawing(e);
    drawRight(stray, 1);
    drawRight(stray, 2);
    // A line from F: a ray point, but no ray starts there, so it is stored as record 0.
    const QPoint focus = e.rayPoints[1][1];
    stray.setStartAllowed(true);
    stray.press(focus);
    stray.release(focus + QPoint(-80, 40));
    EXPECT_TRUE(stray.rayError(3));
    EXPECT_TRUE(stray.pupilRays()[0].drawn);
    EXPECT_FALSE(stray.evaluate());
    const auto faults = RayFeedback::faults(stray);
    ASSERT_FALSE(faults.empty());
    EXPECT_EQ(faults.front(), RayFault::WrongStart);
    EXPECT_EQ(RayFeedback::text(faults.front(), e), QStringLiteral("Lúč nezačína v bode dopadu."));
}

TEST(RayDrawing, FeedbackNamesTheWrongRay)
{
    const OpticsExample e = concaveExample(0);
    RayDrawing d = drawing(e);
    const auto& p = e.rayPoints[1];
    // Ray 1 reflected straight back instead of through F.
    draw(d, p[0], p[0] + QPoint(-100, 0));
    drawRight(d, 2);
    EXPECT_FALSE(d.evaluate());
    // Both rays run back through the object's top: no image stands on the object.
    EXPECT_FALSE(d.imageArrow());
    EXPECT_EQ(RayFeedback::faults(d), std::vector{RayFault::Ray1Direction});
    EXPECT_EQ(RayFeedback::text(RayFault::Ray1Direction, e), QStringLiteral("Lúč 1 po odraze prechádza ohniskom F."));
    EXPECT_TRUE(RayFeedback::rayWrong(d, 1));
    EXPECT_FALSE(RayFeedback::rayWrong(d, 2));

    // A virtual image: the ray seems to come from F, the image stands where the extensions meet.
    const OpticsExample convex = mirrorExample(5);
    EXPECT_EQ(RayFeedback::text(RayFault::Ray1Direction, convex),
              QStringLiteral("Lúč 1 sa po odraze šíri tak, akoby vychádzal z ohniska F."));
    EXPECT_EQ(RayFeedback::text(RayFault::ImageElsewhere, convex),
              QStringLiteral("Obraz nie je tam, kde sa pretínajú predĺženia lúčov."));
    EXPECT_EQ(RayFeedback::text(RayFault::ImageElsewhere, e), QStringLiteral("Obraz nie je tam, kde sa lúče pretínajú."));
}

TEST(RayDrawing, ARayDrawnToTheWrongSideMakesNoImageAndSaysSo)
{
    // Ray 1 on its right line, but behind the mirror or back before the lens:
    // its line still runs through the image, which must not appear.
    for (const OpticsExample& e : everyKind(3)) {
        const auto& p = e.rayPoints[1];
        RayDrawing d = drawing(e);
        draw(d, p[0], along(p[0], p[1], 100, !d.towardsSecondPoint()));
        drawRight(d, 2);
        SCOPED_TRACE("slot " + std::to_string(e.sceneIndex) + " object at " + std::to_string(e.objectBase.x()));
        EXPECT_TRUE(d.wrongSide(1));
        EXPECT_FALSE(d.imageArrow());
        EXPECT_FALSE(d.evaluate());
        EXPECT_EQ(RayFeedback::faults(d), std::vector{RayFault::Ray1Side});
        EXPECT_EQ(RayFeedback::text(RayFault::Ray1Side, e),
                  e.task == OpticsTask::Mirror ? QStringLiteral("Lúč 1 sa odráža späť pred zrkadlo, nie za zrkadlo.")
                                               : QStringLiteral("Lúč 1 prechádza šošovkou na druhú stranu, nevracia sa späť."));
        // Deleted and drawn again the right way, the image comes back.
        draw(d, p[0], p[0]);
        drawRight(d, 1);
        EXPECT_FALSE(d.wrongSide(1));
        EXPECT_TRUE(d.evaluate());
    }
    // The vertex ray of a concave mirror has its own rule.
    const OpticsExample inside = concaveExample(2);
    EXPECT_EQ(inside.secondRay, MirrorSecondRay::ToVertex);
    EXPECT_EQ(RayFeedback::text(RayFault::Ray2Direction, inside),
              QStringLiteral("Lúč 2 sa vo vrchole V odráža súmerne podľa optickej osi."));
}

TEST(RayDrawing, KeyboardAimedRaysPassTheSameChecks)
{
    for (const OpticsExample& e : everyKind(9)) {
        RayDrawing d = drawing(e);
        for (int i = 1; i <= 2; ++i) {
            const auto& p = e.rayPoints[std::size_t(i)];
            KeyboardRay ray(p[0], 2 * p[0] - e.objectTop);
            test::aimKeyboardRay(ray, along(p[0], p[1], KeyboardRay::kLength, d.towardsSecondPoint()));
            d.setStartAllowed(true);
            d.press(ray.start());
            d.release(ray.end());
        }
        EXPECT_TRUE(d.evaluate()) << e.sceneIndex;
    }
}
