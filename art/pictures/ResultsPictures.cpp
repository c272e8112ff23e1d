// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The results form: background with the table frame, and its back button.
#include "art/catalogue/PictureCatalogue.h"
#include "art/pictures/Screens.h"
#include "look/basics/Layout.h"
#include "look/basics/PictureNames.h"
#include "look/controls/ButtonPainter.h"
#include "look/screens/ResultsPainter.h"

#include <QPainter>

namespace orbeta {

void Screens::addResults(PictureCatalogue& c)
{
    c.add(PictureNames::resultsBackground(), Layout::kScreen, ResultsPainter::drawBackground);
    for (ButtonLook look : {ButtonLook::Normal, ButtonLook::Highlighted}) {
        c.add(PictureNames::resultsBack(look), Layout::kResultsBack.size(),
              [look](QPainter& p, QSize size) { ButtonPainter::drawBackButton(p, size, look); });
    }
}

} // namespace orbeta
