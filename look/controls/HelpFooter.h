// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRectF>

class QPainter;

namespace orbeta {

// The bottom line of every help picture: how to leave it, by mouse or by key.
class HelpFooter {
public:
    static void draw(QPainter& painter, const QRectF& area);
};

} // namespace orbeta
