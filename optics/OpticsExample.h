// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "optics/OpticsGeometry.h"

#include <QPoint>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace orbeta {

// "4a" draws the rays of a spherical mirror, "4b" of a thin lens.
enum class OpticsTask { Mirror, Lens };

// "4a" and "4b"; nothing for any other code.
inline std::optional<OpticsTask> opticsTaskFromCode(QStringView code)
{
    if (code == u"4a")
        return OpticsTask::Mirror;
    if (code == u"4b")
        return OpticsTask::Lens;
    return std::nullopt;
}

inline QString opticsTaskCode(OpticsTask task)
{
    return task == OpticsTask::Mirror ? QStringLiteral("4a") : QStringLiteral("4b");
}

// The first kind is the concave mirror or the converging lens, the second
// the convex mirror or the diverging lens.
enum class SceneKind { None = 0, First = 1, Second = 2 };

// What ray 2 of a mirror does: it runs through C and comes back along itself,
// or it meets the mirror at the vertex V and leaves symmetric to the axis.
// A concave mirror with the object inside C takes the vertex ray: the ray
// through C would meet the mirror far above its arc.
enum class MirrorSecondRay { ThroughCentre, ToVertex };

// One generated ray construction: the scene, the object arrow, the two given
// incident rays and the correct outgoing rays with the image they make.
struct OpticsExample {
    static constexpr int kRays = 3; // rays 1 to 3; only 1 and 2 are ever given

    OpticsTask task = OpticsTask::Mirror;
    SceneKind kind = SceneKind::None;
    int sceneIndex = 0; // the mirror slot 1..6, or the lens slot 1..2
    QString pictureName; // "Bitmap\Games\..." of the mirror or lens
    QPoint axisStart;
    QPoint centre; // C of the mirror, O of the lens
    QPoint focus;  // F of the mirror, the object-side focus of the lens
    QPoint objectBase;
    QPoint objectTop;
    // Per ray i (1..kRays): where the incident ray meets the mirror or lens,
    // and a second point of the correct outgoing ray; kMissing when not given.
    std::array<std::array<QPoint, 2>, kRays + 1> rayPoints{};
    std::array<bool, kRays + 1> rayGiven{};
    MirrorSecondRay secondRay = MirrorSecondRay::ThroughCentre;
    QPoint image = OpticsGeometry::kMissing;
    // The lens's third ray (the acceptance test only) meets the lens plane here.
    QPoint thirdRayHit = OpticsGeometry::kMissing;
    int assignmentLine = 0; // of Zadani.dat

    bool firstKind() const { return kind == SceneKind::First; }
    // The outgoing rays only seem to come from the image: a convex mirror, a
    // diverging lens, or a concave mirror or converging lens with the object
    // inside its focus (F of the mirror, the object-side focus of the lens).
    bool virtualImage() const { return kind == SceneKind::Second || objectBase.x() > focus.x(); }
    int axisY() const { return axisStart.y(); }
};

} // namespace orbeta
