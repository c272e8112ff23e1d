// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>

namespace orbeta {

// A ray aimed with the keyboard: from a chosen start, turned in steps of
// kStep degrees (kFineStep with Shift), it ends kLength pixels away. The end
// then goes through the same checks as a drawn one.
class KeyboardRay {
public:
    static constexpr double kStep = 5;
    static constexpr double kFineStep = 0.5;
    static constexpr int kLength = 160;

    KeyboardRay() = default;
    // Aimed first along `direction` (the incident ray goes on unbent).
    KeyboardRay(QPoint start, QPoint direction);

    // Positive turns clockwise on the screen (y grows downwards).
    void turn(bool clockwise, bool fine);
    QPoint start() const { return m_start; }
    double degrees() const { return m_degrees; }
    QPoint end() const;

private:
    QPoint m_start;
    double m_degrees = 0;
};

} // namespace orbeta
