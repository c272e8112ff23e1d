// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <array>

namespace orbeta {

// The road between the junction city E and one city of the map of task "1d",
// resampled into 41 points (whole pixels on the map picture) for the car's
// animation: point 0 is the first point of the file's polyline, point 40 its
// last.
struct CalcRoute {
    static constexpr int kPointCount = 41;
    QString name;
    std::array<QPoint, kPointCount> points{};
};

// Cities 1 to 4 at indices 0 to 3.
inline constexpr int kMapCityCount = 4;
// The map picture, in whose pixels the routes are given (the scene painter
// draws it at this size).
inline constexpr QSize kMapPictureSize{304, 190};
using CalcMap = std::array<CalcRoute, kMapCityCount>;

} // namespace orbeta
