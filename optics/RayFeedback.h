// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "optics/RayDrawing.h"

#include <QString>

#include <vector>

namespace orbeta {

// What was wrong with a pupil's construction, ray by ray.
enum class RayFault {
    WrongStart,     // a line that does not start where a given ray meets the mirror or lens
    Ray1Side,       // ray 1 drawn behind the mirror or back through the lens
    Ray2Side,
    Ray1Direction,  // ray 1 drawn in a wrong direction
    Ray2Direction,
    Ray1Missing,    // only ray 2 drawn
    Ray2Missing,    // only ray 1 drawn
    NoRays,
    ImageElsewhere, // the rays are right but the image arrow is not at the image
};

// The faults of a drawing in the order a pupil should mend them, and the one
// Slovak line the hint window shows for each.
class RayFeedback {
public:
    static std::vector<RayFault> faults(const RayDrawing& drawing);
    static QString text(RayFault fault, const OpticsExample& example);
    // Whether the drawn ray of record `record` (0 for a line started elsewhere) is wrong.
    static bool rayWrong(const RayDrawing& drawing, int record);
};

} // namespace orbeta
