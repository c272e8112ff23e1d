// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointF>

class QPainter;

namespace orbeta {

// The program's emblem (a sun with three orbits and their satellites) and the
// icon the desktop's menu shows, made of it.
class AppIconPainter {
public:
    // At scale 1 the emblem reaches about 127 pixels from its centre.
    static void drawEmblem(QPainter& painter, QPointF centre, qreal scale);
    // The icon filling a square of `size` pixels, on transparency.
    static void drawIcon(QPainter& painter, int size);

    static constexpr qreal kEmblemRadius = 127;
};

} // namespace orbeta
