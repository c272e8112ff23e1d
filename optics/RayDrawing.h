// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "optics/OpticsExample.h"

#include <QPoint>
#include <QSize>

#include <array>
#include <optional>

namespace orbeta {

// A ray the pupil drew, with its dotted backward extension.
struct PupilRay {
    QPoint start = OpticsGeometry::kMissing;
    QPoint end = OpticsGeometry::kMissing; // on the border of the drawing area
    // A second point of the ray's line for the image: the correct ray's own
    // second point when the ray is right, so that rounding the drawn end
    // never moves the image of a right construction.
    QPoint aim = OpticsGeometry::kMissing;
    bool drawn = false;
    bool extendedToAxis = false;
    bool extendedToBorder = false;
    QPoint extensionStart = OpticsGeometry::kMissing;
    QPoint extensionEnd = OpticsGeometry::kMissing;
};

// The image arrow built from the pupil's two rays.
struct ImageArrow {
    QPoint base = OpticsGeometry::kMissing;
    QPoint top = OpticsGeometry::kMissing;
    bool pointsDown = false;
};

// The pupil's drawing on one example: the mouse protocol (a ray starts where
// a given ray meets the mirror or lens, a press on a drawn ray's start
// deletes it, a release checks the ray against the correct one), the image
// arrow and the judgement. Pure: the form maps the mouse and paints.
class RayDrawing {
public:
    // Within this many pixels (strictly, in both axes) the pointer snaps to a ray point.
    static constexpr int kSnap = 6;
    // An end this many pixels off the correct line is still right.
    static constexpr int kTolerance = 3;

    RayDrawing() = default;
    RayDrawing(const OpticsExample& example, QSize area);

    // Mouse down with the left button: deletes the drawn ray whose start is
    // pressed, and starts a ray when the pointer rests near a ray start.
    void press(QPoint at);
    // Mouse move: without a button it decides whether a ray may start here;
    // with the left button held while drawing it gives the rubber band's end,
    // snapped onto a ray point nearby.
    QPoint move(QPoint at, bool leftHeld);
    // Mouse up: the ray from the start to the rubber band's end (`at`
    // snapped as move() snaps it) is checked and stored; a release within
    // kSnap of the press makes no ray.
    void release(QPoint at, bool left = true);

    // A point `length` px along the correct outgoing ray `ray` from its start:
    // where a pupil who knows the rule lets go.
    QPoint correctEnd(int ray, double length) const;

    // The evaluation: both rays right and the image arrow within
    // kTolerance of the correct image.
    bool evaluate() const;

    // A ray from `start` to `end` is checked: the end within kTolerance of the
    // line a-b and on b's side of a (`towardsB`) or away from it. A right end
    // is moved onto the line.
    static bool CheckRayEnd(QPoint a, QPoint b, QPoint& end, bool towardsB);

    // The dotted backward extension of a ray from `start` to `end`: to where
    // it meets the axis behind the start, or else to the border of `area`.
    struct Extension {
        QPoint end;
        bool toAxis = false;
    };
    static Extension backwardExtension(QPoint start, QPoint end, QPoint axisStart, QSize area);

    const OpticsExample& example() const { return m_example; }
    const std::array<PupilRay, 4>& pupilRays() const { return m_rays; }
    // RayError(1..4); index 3 (mirrors) or 4 (lenses) marks a line started elsewhere.
    bool rayError(int i) const { return m_rayError[std::size_t(i)]; }
    // Given ray `i` (1..3) was drawn to the wrong side: behind the mirror, or
    // back through the lens towards the object.
    bool wrongSide(int i) const { return m_wrongSide[std::size_t(i)]; }
    int wrongStartIndex() const { return m_example.task == OpticsTask::Mirror ? 3 : 4; }
    int drawnRayCount() const { return m_drawnRayCount; }
    bool drawing() const { return m_drawing; }
    bool startAllowed() const { return m_startAllowed; }
    void setStartAllowed(bool allowed) { m_startAllowed = allowed; }
    QPoint drawStart() const { return m_drawStart; }
    const std::optional<ImageArrow>& imageArrow() const { return m_image; }
    // The rays looked at: 1..2 for mirrors, 1..3 for lenses.
    int raysLookedAt() const { return m_example.task == OpticsTask::Mirror ? 2 : 3; }
    bool towardsSecondPoint() const
    {
        return !(m_example.task == OpticsTask::Mirror && m_example.kind == SceneKind::Second);
    }

private:
    QPoint snapped(QPoint at) const;
    // Light leaves a mirror to its front, on the left where its pictures face
    // the object, and a lens to the right, away from the object.
    bool sideWrong(QPoint start, QPoint end) const;
    // The image arrow of the two given rays, when they make one: not from a
    // ray drawn to the wrong side (its line may still run through the right
    // image), and not where it would stand on the object itself, as the
    // crossing of two rays that both run back through the object's top does.
    std::optional<ImageArrow> pupilImage() const;

    OpticsExample m_example;
    QSize m_area;
    std::array<PupilRay, 4> m_rays{};
    std::array<bool, 5> m_rayError{};
    std::array<bool, OpticsExample::kRays + 1> m_wrongSide{};
    int m_drawnRayCount = 0;
    bool m_drawing = false;
    bool m_startAllowed = false;
    QPoint m_drawStart = OpticsGeometry::kMissing;
    std::optional<ImageArrow> m_image;
};

} // namespace orbeta
