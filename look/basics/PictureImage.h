// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

#include <functional>

class QPainter;

namespace orbeta {

// A drawing turned into the 24-bit image of a picture file
// (QImage::Format_RGB888), as the forms will see it.
class PictureImage {
public:
    using Draw = std::function<void(QPainter&, QSize)>;

    // Every pixel as drawn, on paper.
    static QImage opaque(QSize size, const Draw& draw);
    // Drawn on transparency and then cut hard: a pixel is either a solid
    // colour or exact magenta, so no edge pixel mixes magenta in. With a
    // valid matte, partly covered edge pixels are blended against the colour
    // the sprite will stand on, which keeps the edge smooth there.
    static QImage sprite(QSize size, const Draw& draw, const QColor& matte);

    // Alpha at or above this covers a sprite pixel; below it the pixel is magenta.
    static constexpr int kSpriteAlphaThreshold = 110;
};

} // namespace orbeta
