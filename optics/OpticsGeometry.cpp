// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "optics/OpticsGeometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orbeta {
namespace {

// Whole pixels round halfway values to the even neighbour.
int pixel(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

constexpr int kHeadBack = 15;
constexpr int kHeadSide = 5;

} // namespace

bool OpticsGeometry::SameSign(double a, double b)
{
    return (a > 0 && b > 0) || (a < 0 && b < 0) || (a == 0 && b == 0);
}

QPoint OpticsGeometry::IntersectLines(QPoint p1, QPoint p2, QPoint p3, QPoint p4)
{
    // Single precision, with the half-step offset the integer division of
    // the construction used, so that the same drawing always gives the same pixel.
    const float ax = float(p2.x() - p1.x());
    const float ay = float(p2.y() - p1.y());
    const float bx = float(p3.x() - p4.x());
    const float by = float(p3.y() - p4.y());
    const float cx = float(p1.x() - p3.x());
    const float cy = float(p1.y() - p3.y());
    const float d = by * cx - bx * cy;
    const float f = ay * bx - ax * by;
    if (f == 0)
        return kMissing;
    auto along = [d, f](float a) {
        const float num = d * a;
        const float offset = SameSign(num, f) ? f / 2 : -f / 2;
        return (num + offset) / f;
    };
    const double x = double(float(p1.x()) + along(ax));
    const double y = double(float(p1.y()) + along(ay));
    if (x < -kReach || x > kReach || y < -kReach || y > kReach)
        return kMissing;
    const QPoint r(pixel(x + 0.2), pixel(y + 0.2));
    if (r.x() == p1.x() && r.x() == p3.x())
        return kMissing;
    return r;
}

std::array<QPoint, 2> OpticsGeometry::IntersectLineCircle(QPoint centre, int radius, QPoint p, QPoint q)
{
    const double px = p.x() - centre.x();
    const double py = p.y() - centre.y();
    const double m = double(q.y() - p.y()) / (q.x() - p.x() + 0.001);
    const double b = py - m * px;
    const double r2 = double(radius) * radius;
    const double disc = r2 * (m * m + 1) - b * b;
    if (!(disc > 0))
        return {kMissing, kMissing};
    const double root = std::sqrt(disc);
    auto point = [&](double sign) {
        const double x = (-m * b + sign * root) / (m * m + 1);
        const double y = m * x + b;
        return QPoint(pixel(x) + centre.x(), pixel(y) + centre.y());
    };
    return {point(+1), point(-1)};
}

QPoint OpticsGeometry::ExtendToBorder(QPoint from, QPoint through, QSize area)
{
    const double dx = through.x() - from.x();
    const double dy = through.y() - from.y();
    if (dx == 0 && dy == 0)
        return through;
    // The smallest step along the ray that reaches one of the four edges.
    double t = std::numeric_limits<double>::infinity();
    if (dx > 0)
        t = std::min(t, (area.width() - from.x()) / dx);
    if (dx < 0)
        t = std::min(t, -from.x() / dx);
    if (dy > 0)
        t = std::min(t, (area.height() - from.y()) / dy);
    if (dy < 0)
        t = std::min(t, -from.y() / dy);
    t = std::max(t, 0.0);
    return {pixel(from.x() + t * dx), pixel(from.y() + t * dy)};
}

RayHead OpticsGeometry::DrawRaySegment(QPoint from, QPoint to)
{
    const double dx = to.x() - from.x();
    const double dy = to.y() - from.y();
    const double length = std::hypot(dx, dy);
    if (length == 0)
        return {{QLine(to, to), QLine(to, to)}};
    const double ux = dx / length;
    const double uy = dy / length;
    const double backX = to.x() - kHeadBack * ux;
    const double backY = to.y() - kHeadBack * uy;
    const QPoint left(pixel(backX + kHeadSide * uy), pixel(backY - kHeadSide * ux));
    const QPoint right(pixel(backX - kHeadSide * uy), pixel(backY + kHeadSide * ux));
    return {{QLine(to, left), QLine(to, right)}};
}

ArrowStrokes OpticsGeometry::DrawArrow(QPoint base, QPoint tip, bool pointsDown, int headLength, int headHalfWidth)
{
    const int d = pointsDown ? -headLength : headLength;
    return {QLine(base, tip),
            {QLine(tip, QPoint(tip.x() - headHalfWidth, tip.y() + d)),
             QLine(tip, QPoint(tip.x() + headHalfWidth, tip.y() + d))}};
}

} // namespace orbeta
