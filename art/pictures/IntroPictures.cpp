// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Full-screen pictures shown by the splash form: the title, the credits and
// the two help pictures of the setup screen.
#include "art/catalogue/PictureCatalogue.h"
#include "art/pictures/Screens.h"
#include "look/basics/Layout.h"
#include "look/basics/PictureNames.h"
#include "look/screens/IntroPainter.h"

#include <QPainter>

namespace orbeta {

void Screens::addIntroAndHelp(PictureCatalogue& c)
{
    c.add(PictureNames::title(), Layout::kScreen, IntroPainter::drawTitle);
    c.add(PictureNames::credits(), Layout::kScreen, IntroPainter::drawCredits);
    for (TopicGroup group : {TopicGroup::Physics, TopicGroup::History}) {
        c.add(PictureNames::setupHelp(group), Layout::kScreen,
              [group](QPainter& p, QSize size) { IntroPainter::drawSetupHelp(p, size, group); });
    }
}

} // namespace orbeta
