// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/basics/RandomSource.h"
#include "optics/OpticsGenerator.h"
#include "tests/optics/OpticsTestScenes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <iostream>
#include <set>

using namespace orbeta;

namespace {

constexpr int kExamples = 3000;

OpticsRnd source(RandomSource& random)
{
    return [&random] { return random.Rnd(); };
}

double distance(QPoint a, QPoint b)
{
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

bool inside(QPoint p)
{
    return p.x() > 0 && p.x() < OpticsGenerator::kArea.width() && p.y() > 0 && p.y() < OpticsGenerator::kArea.height();
}

} // namespace

TEST(OpticsGenerator, FirstKindIsDrawnThenTheKindsAlternate)
{
    std::set<SceneKind> firstKinds;
    for (std::uint64_t seed = 0; seed < 200; ++seed) {
        RandomSource random(seed);
        OpticsGenerator mirrors(test::shippedMirrors());
        OpticsGenerator lenses(test::shippedLenses());
        for (OpticsGenerator* g : {&mirrors, &lenses}) {
            SceneKind previous = SceneKind::None;
            for (int i = 0; i < 6; ++i) {
                const auto e = g->GenerateExample(source(random));
                ASSERT_TRUE(e);
                if (i == 0)
                    firstKinds.insert(e.value().kind);
                else
                    EXPECT_NE(e.value().kind, previous);
                previous = e.value().kind;
                const int slot = e.value().sceneIndex;
                if (g == &mirrors) {
                    EXPECT_EQ(slot <= 3, e.value().kind == SceneKind::First) << slot;
                }
            }
        }
    }
    EXPECT_EQ(firstKinds.size(), 2u);
}

TEST(OpticsGenerator, MirrorObjectsKeepAwayFromTheMarksAndGiveAVisibleImage)
{
    const MirrorScenes scenes = test::shippedMirrors();
    RandomSource random(11);
    std::set<int> heights;
    std::set<int> usedSlots;
    for (int n = 0; n < kExamples; ++n) {
        OpticsGenerator g(scenes);
        const OpticsExample e = g.GenerateExample(source(random)).value();
        const MirrorScene& s = scenes.slot[std::size_t(e.sceneIndex)];
        const int x = e.objectBase.x();
        usedSlots.insert(e.sceneIndex);
        SCOPED_TRACE(n);
        EXPECT_GE(x, s.axisStart.x() + 10);
        EXPECT_GT(std::abs(x - s.vertex.x()), 15);
        EXPECT_LT(x, s.vertex.x());
        if (e.firstKind()) {
            EXPECT_GT(std::abs(x - s.focus.x()), 15);
            EXPECT_GT(std::abs(x - s.centre.x()), 15);
        }
        const int height = e.objectBase.y() - e.objectTop.y();
        EXPECT_GE(height, 40);
        EXPECT_LE(height, s.maxObjectHeight);
        heights.insert(height);
        EXPECT_EQ(e.objectBase.y(), s.axisStart.y());
        // The given rays meet the mirror on its circle; ray 1 leaves through F,
        // ray 2 through C, or, inside C of a concave mirror, from V as the
        // incident ray's mirror image in the axis.
        EXPECT_NEAR(distance(e.rayPoints[1][0], s.centre), s.radius, 1.0);
        EXPECT_NEAR(distance(e.rayPoints[2][0], s.centre), s.radius, 1.0);
        EXPECT_EQ(e.rayPoints[1][0].y(), e.objectTop.y());
        EXPECT_LE(std::abs(e.rayPoints[2][0].y() - s.axisStart.y()), OpticsGenerator::kMirrorHalfHeight);
        EXPECT_EQ(e.rayPoints[1][1], s.focus);
        if (e.firstKind() && x > s.centre.x()) {
            EXPECT_EQ(e.secondRay, MirrorSecondRay::ToVertex);
            EXPECT_EQ(e.rayPoints[2][0], s.vertex);
            EXPECT_EQ(e.rayPoints[2][1], QPoint(x, 2 * s.axisStart.y() - e.objectTop.y()));
        } else {
            EXPECT_EQ(e.secondRay, MirrorSecondRay::ThroughCentre);
            EXPECT_EQ(e.rayPoints[2][1], s.centre);
        }
        // The object stands in front of the mirror, not in its arc.
        EXPECT_GT(e.rayPoints[1][0].x(), x);
        EXPECT_TRUE(inside(e.image));
        // A pupil can press either ray start without touching the other.
        const QPoint apart = e.rayPoints[1][0] - e.rayPoints[2][0];
        EXPECT_TRUE(std::abs(apart.x()) > 12 || std::abs(apart.y()) > 12);
        // The mirror point lies on the side of the circle that faces the object.
        EXPECT_EQ(e.rayPoints[1][0].x() > s.centre.x(), e.firstKind());
        if (testing::Test::HasFailure())
            return;
    }
    EXPECT_EQ(usedSlots.size(), 6u);
    // From the smallest object to tall ones: the ray through C of a concave
    // mirror leaves the tallest few of the file's 100 px off its arc.
    EXPECT_TRUE(heights.contains(40));
    EXPECT_GE(*heights.rbegin(), 80);
}

TEST(OpticsGenerator, LensImagesAgreeWithTheLensEquation)
{
    const LensScenes scenes = test::shippedLenses();
    RandomSource random(5);
    for (int n = 0; n < kExamples; ++n) {
        OpticsGenerator g(scenes);
        const OpticsExample e = g.GenerateExample(source(random)).value();
        const LensScene& s = scenes.slot[std::size_t(e.sceneIndex)];
        const int x = e.objectBase.x();
        SCOPED_TRACE(n);
        EXPECT_GT(std::abs(x - s.centre.x()), 15);
        EXPECT_GT(std::abs(x - s.objectFocus.x()), 15); // a = f never
        EXPECT_GE(e.objectBase.y() - e.objectTop.y(), 40);
        EXPECT_TRUE(inside(e.image));
        // 1/a + 1/a' = 1/f, with f negative for the diverging lens; heights scale as a'/a.
        const double a = s.centre.x() - x;
        const double f = (e.firstKind() ? 1 : -1) * double(s.centre.x() - s.objectFocus.x());
        const double image = a * f / (a - f);
        const double height = e.objectBase.y() - e.objectTop.y();
        const double tolerance = 2 + 0.02 * std::abs(image);
        EXPECT_NEAR(e.image.x(), s.centre.x() + image, tolerance);
        EXPECT_NEAR(e.image.y(), s.axisStart.y() + height * image / a, tolerance);
        if (testing::Test::HasFailure())
            return;
    }
}

// The image a teacher computes: a' from 1/f = 1/a + 1/a', a and a' measured
// from the vertex or the optical centre, the height scaled by -a'/a.
struct TextbookImage {
    QPointF point;
    double distance; // |a'|
};

TextbookImage textbookImage(const OpticsExample& e, double poleX, double focalLength, bool imageInFront)
{
    const double a = poleX - e.objectBase.x();
    const double image = a * focalLength / (a - focalLength);
    const double height = e.objectBase.y() - e.objectTop.y();
    return {{imageInFront ? poleX - image : poleX + image, e.axisY() + height * image / a}, std::abs(image)};
}

// Where a concave mirror's object stands: beyond C, between C and F, inside F.
enum Region { BeyondC, BetweenCAndF, InsideF };

TEST(OpticsGenerator, EveryImageLiesWhereTheMirrorOrLensEquationPutsIt)
{
    const MirrorScenes mirrors = test::shippedMirrors();
    const LensScenes lenses = test::shippedLenses();
    // Per region of a concave mirror: examples, and the largest image error
    // as a share of its allowance.
    std::array<int, 3> regions{};
    std::array<double, 3> worst{};
    const std::uint64_t seeds = 3000;
    for (std::uint64_t seed = 0; seed < seeds; ++seed) {
        RandomSource random(seed);
        OpticsGenerator mirrorSeries(mirrors);
        OpticsGenerator lensSeries(lenses);
        // Two examples of each series: both kinds.
        for (OpticsGenerator* g : {&mirrorSeries, &mirrorSeries, &lensSeries, &lensSeries}) {
            const OpticsExample e = g->GenerateExample(source(random)).value();
            TextbookImage wanted;
            if (e.task == OpticsTask::Mirror) {
                const MirrorScene& s = mirrors.slot[std::size_t(e.sceneIndex)];
                const double f = s.radius / 2.0 * (e.firstKind() ? 1 : -1);
                wanted = textbookImage(e, s.vertex.x(), f, true);
            } else {
                const LensScene& s = lenses.slot[std::size_t(e.sceneIndex)];
                const double f = (s.centre.x() - s.objectFocus.x()) * (e.firstKind() ? 1 : -1);
                wanted = textbookImage(e, s.centre.x(), f, false);
            }
            const double offset = std::hypot(e.image.x() - wanted.point.x(), e.image.y() - wanted.point.y());
            const double allowance = std::max(5.0, 0.04 * wanted.distance);
            if (e.task == OpticsTask::Mirror && e.firstKind()) {
                const MirrorScene& s = mirrors.slot[std::size_t(e.sceneIndex)];
                const int x = e.objectBase.x();
                const Region region = x < s.centre.x() ? BeyondC : x < s.focus.x() ? BetweenCAndF : InsideF;
                ++regions[region];
                worst[region] = std::max(worst[region], offset / allowance);
                // Inside F the image is virtual, behind the mirror; otherwise real, in front of it.
                EXPECT_EQ(e.virtualImage(), region == InsideF);
                EXPECT_EQ(e.image.x() > s.vertex.x(), region == InsideF);
            }
            EXPECT_TRUE(inside(e.image));
            EXPECT_LE(offset, allowance)
                << "seed " << seed << " slot " << e.sceneIndex << " object (" << e.objectTop.x() << ", "
                << e.objectTop.y() << ") image (" << e.image.x() << ", " << e.image.y() << ") wanted ("
                << wanted.point.x() << ", " << wanted.point.y() << ")";
            if (testing::Test::HasFailure())
                return;
        }
    }
    // The three cases of a concave mirror come in fair shares.
    for (int region : {BeyondC, BetweenCAndF, InsideF}) {
        EXPECT_GT(regions[std::size_t(region)], int(seeds) * 3 / 10) << region;
        EXPECT_LT(regions[std::size_t(region)], int(seeds) * 37 / 100) << region;
    }
    std::cout << "concave mirror over " << seeds << " seeds: beyond C " << regions[0] << " (worst image error "
              << worst[0] << " of the allowance), between C and F " << regions[1] << " (" << worst[1]
              << "), inside F " << regions[2] << " (" << worst[2] << ")\n";
}

TEST(OpticsGenerator, ASceneWithoutAVisibleImageStopsWithTheFileAndLine)
{
    // The axis below the drawing area: no draw can ever give a visible image.
    MirrorScenes mirrors = test::shippedMirrors();
    for (int slot = 1; slot <= 6; ++slot) {
        MirrorScene& s = mirrors.slot[std::size_t(slot)];
        for (QPoint* p : {&s.axisStart, &s.centre, &s.focus, &s.vertex})
            p->setY(900);
    }
    RandomSource random(3);
    OpticsGenerator g(mirrors);
    const auto e = g.GenerateExample(source(random));
    ASSERT_FALSE(e);
    EXPECT_EQ(e.error().file, QStringLiteral("4a.dat"));
    EXPECT_GE(e.error().line, 1);
    EXPECT_LE(e.error().line, 6);

    // An empty lens record (a file of zeros) ends the same way.
    LensScenes lenses = test::shippedLenses();
    lenses.slot[2] = LensScene{QString(), {}, {}, {}, {}, 0, 2};
    lenses.slot[1] = LensScene{QString(), {}, {}, {}, {}, 0, 1};
    OpticsGenerator lensGenerator(lenses);
    const auto lens = lensGenerator.GenerateExample(source(random));
    ASSERT_FALSE(lens);
    EXPECT_EQ(lens.error().file, QStringLiteral("4b.dat"));
}
