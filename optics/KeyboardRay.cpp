// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "optics/KeyboardRay.h"

#include <cmath>
#include <numbers>

namespace orbeta {

KeyboardRay::KeyboardRay(QPoint start, QPoint direction) : m_start(start)
{
    const QPoint d = direction - start;
    if (d.x() != 0 || d.y() != 0)
        m_degrees = std::atan2(double(d.y()), double(d.x())) * 180 / std::numbers::pi;
}

void KeyboardRay::turn(bool clockwise, bool fine)
{
    m_degrees += (clockwise ? 1 : -1) * (fine ? kFineStep : kStep);
    m_degrees = std::fmod(m_degrees + 360, 360);
}

QPoint KeyboardRay::end() const
{
    const double radians = m_degrees * std::numbers::pi / 180;
    return m_start + QPoint(int(std::lround(kLength * std::cos(radians))), int(std::lround(kLength * std::sin(radians))));
}

} // namespace orbeta
