// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "optics/KeyboardRay.h"
#include "optics/OpticsGeometry.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace orbeta;

namespace {

constexpr QPoint kMissing = OpticsGeometry::kMissing;

double distance(QPoint a, QPointF b)
{
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

} // namespace

TEST(OpticsGeometry, SameSign)
{
    struct Case {
        double a, b;
        bool same;
    };
    for (const Case c : {Case{1, 2, true}, Case{-1, -0.5, true}, Case{0, 0, true}, Case{0, 1, false},
                         Case{-1, 0, false}, Case{3, -3, false}}) {
        EXPECT_EQ(OpticsGeometry::SameSign(c.a, c.b), c.same) << c.a << ", " << c.b;
    }
}

TEST(OpticsGeometry, IntersectLinesFindsTheCrossingWithinAPixel)
{
    struct Case {
        QPoint p1, p2, p3, p4;
        QPointF crossing;
    };
    const Case cases[] = {
        {{0, 0}, {100, 100}, {0, 100}, {100, 0}, {50, 50}},
        {{-20, 170}, {180, 170}, {310, 170}, {310, 70}, {310, 170}},     // horizontal and vertical
        {{400, 100}, {400, 300}, {0, 37}, {10, 37}, {400, 37}},          // vertical first
        {{200, 100}, {190, 110}, {100, 100}, {110, 110}, {150, 150}}, // behind the first start
        {{0, 0}, {3, 1}, {0, 5}, {1, 2}, {1.5, 0.5}},
    };
    for (const Case& c : cases) {
        const QPoint r = OpticsGeometry::IntersectLines(c.p1, c.p2, c.p3, c.p4);
        EXPECT_LE(distance(r, c.crossing), 1.5) << r.x() << ", " << r.y();
        // The order of the lines does not matter.
        const QPoint swapped = OpticsGeometry::IntersectLines(c.p3, c.p4, c.p1, c.p2);
        EXPECT_LE(distance(swapped, c.crossing), 1.5);
    }
}

TEST(OpticsGeometry, IntersectLinesWithoutAUsableCrossingIsMissing)
{
    // Parallel, the same line, two verticals, and crossings beyond ±800.
    EXPECT_EQ(OpticsGeometry::IntersectLines({0, 0}, {10, 5}, {0, 10}, {20, 20}), kMissing);
    EXPECT_EQ(OpticsGeometry::IntersectLines({0, 0}, {10, 0}, {20, 0}, {30, 0}), kMissing);
    EXPECT_EQ(OpticsGeometry::IntersectLines({5, 0}, {5, 10}, {9, 0}, {9, 10}), kMissing);
    EXPECT_EQ(OpticsGeometry::IntersectLines({0, 0}, {100, 1}, {0, 10}, {100, 12}), kMissing);
    EXPECT_EQ(OpticsGeometry::IntersectLines({0, 0}, {1, 100}, {10, 0}, {12, 100}), kMissing);
    // A near-parallel pair that still crosses on the screen is kept.
    EXPECT_NE(OpticsGeometry::IntersectLines({0, 0}, {100, 1}, {0, 3}, {100, 2}), kMissing);
}

TEST(OpticsGeometry, IntersectLineCircleGivesPointsOnTheCircleLargerXFirst)
{
    struct Case {
        QPoint centre;
        int radius;
        QPoint p, q;
    };
    const Case cases[] = {
        {{320, 170}, 240, {100, 120}, {300, 120}},
        {{640, 170}, 240, {300, 90}, {640, 170}},
        {{0, 0}, 100, {-50, -300}, {-50, 300}},  // vertical
        {{0, 0}, 50, {-80, -60}, {80, 60}},
    };
    for (const Case& c : cases) {
        const auto s = OpticsGeometry::IntersectLineCircle(c.centre, c.radius, c.p, c.q);
        for (const QPoint point : s) {
            EXPECT_NEAR(distance(point, c.centre), c.radius, 1.0) << point.x() << ", " << point.y();
        }
        EXPECT_GE(s[0].x(), s[1].x());
    }
}

TEST(OpticsGeometry, IntersectLineCircleMissesAndTangentsAreMissing)
{
    const auto miss = OpticsGeometry::IntersectLineCircle({0, 0}, 50, {-100, 80}, {100, 80});
    EXPECT_EQ(miss[0], kMissing);
    EXPECT_EQ(miss[1], kMissing);
    const auto tangent = OpticsGeometry::IntersectLineCircle({0, 0}, 50, {-100, 50}, {100, 50});
    EXPECT_EQ(tangent[0], kMissing);
    EXPECT_EQ(tangent[1], kMissing);
}

TEST(OpticsGeometry, ExtendToBorderReachesTheEdgeItHeadsFor)
{
    const QSize area(620, 340);
    struct Case {
        QPoint from, through, border;
    };
    const Case cases[] = {
        {{100, 100}, {110, 100}, {620, 100}},
        {{100, 100}, {90, 100}, {0, 100}},
        {{100, 100}, {100, 90}, {100, 0}},
        {{100, 100}, {100, 101}, {100, 340}},
        {{0, 0}, {1, 1}, {340, 340}},
        {{300, 170}, {200, 120}, {0, 20}},
        {{600, 300}, {900, 300}, {620, 300}}, // through lies outside already
    };
    for (const Case& c : cases) {
        EXPECT_EQ(OpticsGeometry::ExtendToBorder(c.from, c.through, area), c.border);
    }
    EXPECT_EQ(OpticsGeometry::ExtendToBorder({50, 50}, {50, 50}, area), QPoint(50, 50));
}

TEST(OpticsGeometry, RayHeadStandsBackAlongTheRay)
{
    const RayHead right = OpticsGeometry::DrawRaySegment({0, 0}, {100, 0});
    EXPECT_EQ(right.strokes[0], QLine(QPoint(100, 0), QPoint(85, -5)));
    EXPECT_EQ(right.strokes[1], QLine(QPoint(100, 0), QPoint(85, 5)));
    // Straight up: the head lies below the tip (the angle of -1 is no special case here).
    const RayHead up = OpticsGeometry::DrawRaySegment({50, 100}, {50, 0});
    EXPECT_EQ(up.strokes[0].p2().y(), 15);
    EXPECT_EQ(up.strokes[1].p2().y(), 15);
    EXPECT_EQ(std::abs(up.strokes[0].p2().x() - up.strokes[1].p2().x()), 10);
    const RayHead none = OpticsGeometry::DrawRaySegment({7, 7}, {7, 7});
    EXPECT_EQ(none.strokes[0].p2(), QPoint(7, 7));
}

TEST(OpticsGeometry, ArrowHeadPointsTheWayAsked)
{
    const ArrowStrokes up = OpticsGeometry::DrawArrow({100, 170}, {100, 100}, false, 10, 5);
    EXPECT_EQ(up.head[0].p2(), QPoint(95, 110));
    EXPECT_EQ(up.head[1].p2(), QPoint(105, 110));
    const ArrowStrokes down = OpticsGeometry::DrawArrow({100, 170}, {100, 250}, true, 13, 7);
    EXPECT_EQ(down.head[0].p2(), QPoint(93, 237));
    EXPECT_EQ(down.head[1].p2(), QPoint(107, 237));
}

// The ray aimed by keys turns by the same step either way, clockwise on the
// screen (y grows downwards), and a step back undoes a step.
TEST(KeyboardRay, StepsTurnByTheSameAngleEitherWay)
{
    KeyboardRay ray({100, 100}, {200, 100});
    EXPECT_EQ(ray.end(), QPoint(260, 100));
    ray.turn(true, false);
    EXPECT_DOUBLE_EQ(ray.degrees(), 5);
    ray.turn(false, true);
    EXPECT_DOUBLE_EQ(ray.degrees(), 4.5);
    ray.turn(false, false);
    ray.turn(true, true);
    EXPECT_NEAR(ray.degrees(), 0, 1e-9);
    ray.turn(false, false);
    EXPECT_DOUBLE_EQ(ray.degrees(), 355);
    EXPECT_EQ(ray.end(), QPoint(259, 86));
}
