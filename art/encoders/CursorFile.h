// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>

namespace orbeta {

// Windows cursor files (.cur): one 32-bit image with alpha, its AND mask and
// the hot spot.
class CursorFile {
public:
    static QByteArray encode(const QImage& image, QPoint hotSpot);
    // The hot spot stored in a cursor file; (-1, -1) when the data is not one.
    static QPoint hotSpotOf(const QByteArray& file);
};

} // namespace orbeta
