// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "look/basics/ButtonLook.h"
#include "look/controls/Icons.h"

#include <QSize>
#include <QString>

class QPainter;

namespace orbeta {

// Whole button pictures on the ground colour, at the size of their place.
class ButtonPainter {
public:
    // The shape of the look, an icon at the left (or none) and a bold label.
    static void drawLabelButton(QPainter& painter, QSize size, ButtonLook look, const QString& label,
                                const Icons::Draw& icon, int textPx = 17);
    // The same with the icon above a smaller label (narrow toolbar buttons).
    static void drawToolButton(QPainter& painter, QSize size, ButtonLook look, const QString& label,
                               const Icons::Draw& icon);
    // "Späť" with an arrow to the left, on the setup and results screens.
    static void drawBackButton(QPainter& painter, QSize size, ButtonLook look);
};

} // namespace orbeta
