// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "look/controls/HelpFooter.h"

#include "look/basics/Palette.h"
#include "look/basics/Typeface.h"

#include <QPainter>

namespace orbeta {

void HelpFooter::draw(QPainter& painter, const QRectF& area)
{
    painter.setPen(Palette::stripDark());
    painter.setFont(Typeface::font(16, true));
    painter.drawText(area, Qt::AlignCenter,
                     QStringLiteral("Klikni kamkoľvek alebo stlač ľubovoľný kláves a vrátiš sa späť."));
}

} // namespace orbeta
