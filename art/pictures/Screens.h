// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace orbeta {

class PictureCatalogue;

// Each screen file adds the pictures of its screen.
namespace Screens {
void addMenu(PictureCatalogue& catalogue);
void addIntroAndHelp(PictureCatalogue& catalogue);
void addSetup(PictureCatalogue& catalogue);
void addGames(PictureCatalogue& catalogue);
void addResults(PictureCatalogue& catalogue);
void addHints(PictureCatalogue& catalogue);
void addOptics(PictureCatalogue& catalogue);
void addHistory(PictureCatalogue& catalogue);
void addScenes(PictureCatalogue& catalogue);
} // namespace Screens

} // namespace orbeta
