// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The hint window's bubbles: sprites, so that the window can be cut to them.
#include "art/catalogue/PictureCatalogue.h"
#include "art/pictures/Screens.h"
#include "look/basics/Layout.h"
#include "look/basics/Palette.h"
#include "look/basics/PictureNames.h"
#include "look/controls/HintPainter.h"

#include <QPainter>

namespace orbeta {

void Screens::addHints(PictureCatalogue& c)
{
    for (int number = 1; number <= int(Layout::kHintBubble.size()); ++number) {
        c.addSprite(PictureNames::hint(number), Layout::kHintBubble[static_cast<std::size_t>(number - 1)],
                    [number](QPainter& p, QSize size) { HintPainter::drawHint(p, size, number); }, Palette::panel());
    }
}

} // namespace orbeta
