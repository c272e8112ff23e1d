// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "optics/RayDrawing.h"

#include <cmath>
#include <cstdlib>

namespace orbeta {
namespace {

bool within(QPoint a, QPoint b, int distance, bool inclusive)
{
    const int dx = std::abs(a.x() - b.x());
    const int dy = std::abs(a.y() - b.y());
    return inclusive ? dx <= distance && dy <= distance : dx < distance && dy < distance;
}

int wholePixel(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

} // namespace

RayDrawing::RayDrawing(const OpticsExample& example, QSize area) : m_example(example), m_area(area) {}

void RayDrawing::press(QPoint at)
{
    m_drawStart = at;
    for (int i = 1; i <= OpticsExample::kRays; ++i) {
        for (const QPoint p : m_example.rayPoints[std::size_t(i)]) {
            PupilRay& ray = m_rays[std::size_t(i)];
            if (within(at, p, kSnap, false) && ray.drawn && ray.start == p) {
                ray = PupilRay{};
                --m_drawnRayCount;
                // The image arrow went with the ray it was built from.
                m_image.reset();
            }
        }
    }
    if (!m_startAllowed)
        return;
    for (int i = 1; i <= OpticsExample::kRays; ++i) {
        for (const QPoint p : m_example.rayPoints[std::size_t(i)]) {
            const PupilRay& ray = m_rays[std::size_t(i)];
            if (within(at, p, kSnap, true) && !(ray.drawn && ray.start == p)) {
                m_drawStart = p;
                m_drawing = true;
            }
        }
    }
}

QPoint RayDrawing::move(QPoint at, bool leftHeld)
{
    if (!leftHeld) {
        m_startAllowed = false;
        for (int i = 1; i <= 2; ++i)
            m_startAllowed = m_startAllowed || within(at, m_example.rayPoints[std::size_t(i)][0], kSnap, false);
        return at;
    }
    if (!m_drawing)
        return at;
    return snapped(at);
}

QPoint RayDrawing::snapped(QPoint at) const
{
    QPoint result = at;
    for (int i = 1; i <= 2; ++i)
        for (const QPoint p : m_example.rayPoints[std::size_t(i)])
            if (within(at, p, kSnap, false))
                result = p;
    return result;
}

bool RayDrawing::sideWrong(QPoint start, QPoint end) const
{
    return m_example.task == OpticsTask::Mirror ? end.x() > start.x() : end.x() < start.x();
}

std::optional<ImageArrow> RayDrawing::pupilImage() const
{
    const PupilRay& r1 = m_rays[1];
    const PupilRay& r2 = m_rays[2];
    if (m_wrongSide[1] || m_wrongSide[2])
        return std::nullopt;
    ImageArrow image;
    image.top = OpticsGeometry::IntersectLines(r1.start, r1.aim, r2.start, r2.aim);
    if (within(image.top, m_example.objectTop, kSnap, true))
        return std::nullopt;
    image.base = {image.top.x(), m_example.objectBase.y()};
    image.pointsDown = m_example.task == OpticsTask::Mirror ? image.top.y() >= m_example.axisY()
                                                            : image.top.y() > m_example.axisY();
    return image;
}

void RayDrawing::release(QPoint at, bool left)
{
    if (!left || !m_drawing) {
        m_drawing = false;
        return;
    }
    // What the rubber band showed is what is drawn and judged.
    QPoint end = snapped(at);
    const bool longEnough = !within(end, m_drawStart, kSnap, false);
    if (!longEnough) {
        m_drawing = false;
        return;
    }
    int number = 0;
    bool matched = false;
    QPoint aim = end;
    for (int i = 1; i <= raysLookedAt(); ++i) {
        const auto& points = m_example.rayPoints[std::size_t(i)];
        if (points[0] != m_drawStart)
            continue;
        matched = true;
        if (m_example.rayGiven[std::size_t(i)]) {
            m_wrongSide[std::size_t(i)] = sideWrong(m_drawStart, end);
            m_rayError[std::size_t(i)] = m_wrongSide[std::size_t(i)]
                                         || !CheckRayEnd(points[0], points[1], end, towardsSecondPoint());
            aim = m_rayError[std::size_t(i)] ? end : points[1];
            ++m_drawnRayCount;
            number = i;
        } else {
            m_rayError[std::size_t(i)] = true;
        }
    }
    if (!matched)
        m_rayError[std::size_t(wrongStartIndex())] = true;

    PupilRay& ray = m_rays[std::size_t(number)];
    ray = PupilRay{};
    ray.start = m_drawStart;
    ray.end = OpticsGeometry::ExtendToBorder(m_drawStart, end, m_area);
    ray.aim = aim;
    ray.drawn = true;
    if (m_example.virtualImage()) {
        const Extension back = backwardExtension(ray.start, ray.end, m_example.axisStart, m_area);
        ray.extensionStart = ray.start;
        ray.extensionEnd = back.end;
        ray.extendedToAxis = back.toAxis;
        ray.extendedToBorder = !back.toAxis;
    }

    if (m_drawnRayCount == 2)
        m_image = pupilImage();
    m_drawing = false;
}

RayDrawing::Extension RayDrawing::backwardExtension(QPoint start, QPoint end, QPoint axisStart, QSize area)
{
    const QPoint back = 2 * start - end;
    const QPoint q = OpticsGeometry::IntersectLines(start, back, axisStart, axisStart + QPoint(200, 0));
    const bool behind = OpticsGeometry::SameSign(start.y() - q.y(), start.y() - back.y())
                        && OpticsGeometry::SameSign(start.x() - q.x(), start.x() - back.x());
    if (behind)
        return {q, true};
    return {OpticsGeometry::ExtendToBorder(start, back, area), false};
}

QPoint RayDrawing::correctEnd(int ray, double length) const
{
    const QPoint a = m_example.rayPoints[std::size_t(ray)][0];
    const QPoint b = m_example.rayPoints[std::size_t(ray)][1];
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    const double d = std::hypot(dx, dy) * (towardsSecondPoint() ? 1 : -1);
    if (d == 0)
        return a;
    return a + QPoint(wholePixel(length * dx / d), wholePixel(length * dy / d));
}

bool RayDrawing::evaluate() const
{
    if (m_example.kind == SceneKind::None || !m_image)
        return false;
    const QPoint correct = m_example.image;
    if (std::abs(m_image->top.x() - correct.x()) > kTolerance || std::abs(m_image->top.y() - correct.y()) > kTolerance)
        return false;
    for (std::size_t i = 1; i < m_rayError.size(); ++i)
        if (m_rayError[i])
            return false;
    return true;
}

bool RayDrawing::CheckRayEnd(QPoint a, QPoint b, QPoint& end, bool towardsB)
{
    const double x1 = a.x(), y1 = a.y(), x2 = b.x(), y2 = b.y();
    if (a == b)
        return false;
    QPoint corrected;
    bool good = false;
    if (std::abs(x2 - x1) < std::abs(y2 - y1)) {
        const int xL = wholePixel(x1 + (x2 - x1) / (y2 - y1) * (end.y() - y1));
        good = end.x() - kTolerance <= xL && xL <= end.x() + kTolerance;
        corrected = {xL, end.y()};
    } else {
        const int yL = wholePixel(y1 + (y2 - y1) / (x2 - x1) * (end.x() - x1));
        good = end.y() - kTolerance <= yL && yL <= end.y() + kTolerance;
        corrected = {end.x(), yL};
    }
    if (!good)
        return false;
    // The side of A the end lies on, measured along the line: an end level
    // with A in one axis must not pass as running away from B.
    const double along = (x2 - x1) * (end.x() - x1) + (y2 - y1) * (end.y() - y1);
    if (towardsB ? along <= 0 : along >= 0)
        return false;
    end = corrected;
    return true;
}

} // namespace orbeta
