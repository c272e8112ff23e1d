// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "look/basics/PictureImage.h"

#include <QColor>
#include <QSize>
#include <QString>

namespace orbeta {

// How a picture's pixels reach the file.
enum class PictureKind {
    Opaque, // every pixel as drawn
    Sprite, // drawn on transparency; uncovered pixels become exact magenta
};

// One named picture of the resource tree: its file name as the program asks
// for it ("Bitmap\Select\l_01_0.bmp"), its size and the code that draws it.
struct Picture {
    using Draw = PictureImage::Draw;

    QString name;
    QSize size;
    PictureKind kind = PictureKind::Opaque;
    // For sprites: the colour the sprite will be shown on, so that its
    // anti-aliased edge is blended against that instead of against magenta.
    // Invalid means hard edges (the shape colour alone).
    QColor matte;
    Draw draw;
};

} // namespace orbeta
