// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QString>

#include <array>

namespace orbeta {

// One mirror of "4a.dat": its picture and where that picture draws the axis,
// the centre of curvature C, the focus F and the vertex V.
struct MirrorScene {
    QString bitmapName;
    QPoint axisStart;
    QPoint centre;
    QPoint focus;
    QPoint vertex;
    int radius = 0;
    int maxObjectHeight = 0;
    int line = 0; // of the file, for messages
};

// One lens of "4b.dat": the axis, both foci and the optical centre O.
struct LensScene {
    QString text;
    QPoint axisStart;
    QPoint objectFocus;
    QPoint imageFocus;
    QPoint centre;
    int maxObjectHeight = 0;
    int line = 0;
};

// Slots 1 to 3 concave, 4 to 6 convex; slot 0 stays empty.
struct MirrorScenes {
    static constexpr int kSlots = 6;
    std::array<MirrorScene, kSlots + 1> slot{};
    QString fileName;
};

// Slot 1 the converging lens, slot 2 the diverging one.
struct LensScenes {
    static constexpr int kSlots = 2;
    std::array<LensScene, kSlots + 1> slot{};
    QString fileName;
};

} // namespace orbeta
