// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "art/pictures/FullCatalogue.h"

#include "art/pictures/Screens.h"

namespace orbeta {

PictureCatalogue fullCatalogue()
{
    PictureCatalogue catalogue;
    Screens::addMenu(catalogue);
    Screens::addIntroAndHelp(catalogue);
    Screens::addSetup(catalogue);
    Screens::addGames(catalogue);
    Screens::addResults(catalogue);
    Screens::addHints(catalogue);
    Screens::addOptics(catalogue);
    Screens::addHistory(catalogue);
    Screens::addScenes(catalogue);
    return catalogue;
}

} // namespace orbeta
