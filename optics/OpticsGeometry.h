// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLine>
#include <QPoint>
#include <QSize>

#include <array>

namespace orbeta {

// The head of a drawn ray: two strokes from its end back along it.
struct RayHead {
    std::array<QLine, 2> strokes;
};

// The strokes of an arrow standing on the axis: the shaft and its two head strokes.
struct ArrowStrokes {
    QLine shaft;
    std::array<QLine, 2> head;
};

// The geometry every optics rule and drawing shares, on whole pixels of the
// drawing area (x to the right, y downwards). A point that does not exist or
// lies too far away is kMissing, and it fails every acceptance test.
class OpticsGeometry {
public:
    static constexpr QPoint kMissing{-9999, -9999};
    // Intersections farther out than this are of no use on the screen.
    static constexpr int kReach = 800;

    // Both positive, both negative or both zero.
    static bool SameSign(double a, double b);
    // The crossing of the infinite lines p1-p2 and p3-p4, rounded the way the
    // correct images have always been computed; kMissing for parallel lines,
    // two vertical lines through the same x, or a crossing beyond ±kReach.
    static QPoint IntersectLines(QPoint p1, QPoint p2, QPoint p3, QPoint p4);
    // The two points where the line p-q meets the circle of `radius` around
    // `centre`: first the one of larger x. Both kMissing for a tangent or a miss.
    static std::array<QPoint, 2> IntersectLineCircle(QPoint centre, int radius, QPoint p, QPoint q);
    // The point where the ray from `from` through `through` leaves the area
    // [0, width] × [0, height]; `through` itself when the two are the same.
    static QPoint ExtendToBorder(QPoint from, QPoint through, QSize area);
    // The head of a ray drawn from `from` to `to`: 15 px back, 5 px to each side.
    static RayHead DrawRaySegment(QPoint from, QPoint to);
    // An arrow from `base` to `tip` with its head strokes `headLength` below the
    // tip (above it when `pointsDown`) and `headHalfWidth` to each side.
    static ArrowStrokes DrawArrow(QPoint base, QPoint tip, bool pointsDown, int headLength, int headHalfWidth);
};

} // namespace orbeta
