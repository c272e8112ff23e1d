// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "optics/KeyboardRay.h"

#include <QPoint>

#include <cmath>
#include <functional>

namespace orbeta::test {

// Turns `ray` the shorter way towards `target`, coarse steps first, then fine
// ones; `turned` hears every step (clockwise, fine) as the arrow keys give it.
inline void aimKeyboardRay(KeyboardRay& ray, QPoint target, const std::function<void(bool, bool)>& turned = {})
{
    const QPoint start = ray.start();
    const double wanted = std::atan2(double(target.y() - start.y()), double(target.x() - start.x())) * 180 / M_PI;
    for (bool fine : {false, true}) {
        const double step = fine ? KeyboardRay::kFineStep : KeyboardRay::kStep;
        for (int n = 0; n < 400; ++n) {
            const double diff = std::remainder(wanted - ray.degrees(), 360.0);
            if (std::abs(diff) <= step / 2)
                break;
            ray.turn(diff > 0, fine);
            if (turned)
                turned(diff > 0, fine);
        }
    }
}

} // namespace orbeta::test
