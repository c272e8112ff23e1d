// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QPainter;

namespace orbeta {

// The mouse cursors, drawn in a 32 × 32 box; the hot spots are the arrow's
// tip (1, 1) and the hand's fingertip (12, 2).
class CursorPainter {
public:
    static void drawArrow(QPainter& painter);
    static void drawHand(QPainter& painter);
    // The arrow with a "?" badge beside it.
    static void drawHelp(QPainter& painter);
};

} // namespace orbeta
