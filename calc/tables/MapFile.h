// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/basics/CalcRoute.h"
#include "formats/FileResult.h"

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <array>

namespace orbeta {

// The four routes of "Mapa1.dat": decoded line k is city k, its fields the
// name and the x, y of the four points of the road (whole pixels). The file
// must hold exactly four lines, each with a name and eight whole numbers,
// every point on the map picture; otherwise the error names the line. `fileName` only names the file in errors.
FileResult<CalcMap> ReadMapFile(const QByteArray& fileBytes, const QString& fileName);

// The road of three segments resampled into 41 points. Segment s (1 to 3)
// covers the indices CInt((s - 1) * 40/3 + 1) to CInt(s * 40/3), that is 1-13,
// 14-27 and 28-40; index i of segment s lies at the fraction
// (i - (s - 1) * 40/3) / (40/3) of the segment, so index 40 is exactly the
// last point. Index 27 would lie just beyond the second corner; it is held on
// the corner so that no point leaves the road.
std::array<QPoint, CalcRoute::kPointCount> ResampleRoute(const std::array<QPoint, 4>& corners);

} // namespace orbeta
