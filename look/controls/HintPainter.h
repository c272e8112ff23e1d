// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSize>

class QPainter;

namespace orbeta {

// The hint window's bubbles (sprites: the window is cut to the drawn shape,
// and its text areas lie inside the bubble body).
class HintPainter {
public:
    // Bubble `number`, 1 to 6, as Layout::kHintBubble sizes them.
    static void drawHint(QPainter& painter, QSize size, int number);
};

} // namespace orbeta
