// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "optics/OpticsExample.h"

#include <QLine>
#include <QString>

#include <optional>

namespace orbeta {

class RayDrawing;

// The pupil's drawing in words, for a screen reader: each drawn ray, from
// where it starts, which way it goes and through which named point of the
// scene (F, C or O, F′) or parallel to the axis; and the ray being aimed by
// the keys. Says nothing of right or wrong: that is the check's.
class RaySpeech {
public:
    static QString describe(const RayDrawing& drawing, std::optional<QLine> aim, int aimRay);
    // One ray from `start` towards `end`.
    static QString ray(const OpticsExample& example, QPoint start, QPoint end);
};

} // namespace orbeta
