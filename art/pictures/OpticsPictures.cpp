// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The optics form: its background, the six mirrors and two lenses drawn for
// the drawing area, and the help pictures of "4a" and "4b".
#include "art/catalogue/PictureCatalogue.h"
#include "art/pictures/Screens.h"
#include "look/basics/Layout.h"
#include "look/basics/PictureNames.h"
#include "look/screens/OpticsPainter.h"

#include <QPainter>

namespace orbeta {

void Screens::addOptics(PictureCatalogue& c)
{
    const QSize area = Layout::kOpticsPicture.size();
    c.add(PictureNames::opticsBackground(), Layout::kScreen, OpticsPainter::drawBackground);
    for (const MirrorDrawing& mirror : OpticsPainter::mirrors()) {
        c.addSprite(PictureNames::mirror(QLatin1String(mirror.fileName)), area,
                    [mirror](QPainter& p, QSize size) { OpticsPainter::drawMirror(p, size, mirror, false); }, Qt::white);
    }
    for (bool converging : {true, false}) {
        c.addSprite(PictureNames::lens(converging), area,
                    [converging](QPainter& p, QSize size) { OpticsPainter::drawLens(p, size, converging, false); },
                    Qt::white);
    }
    for (bool mirrors : {true, false}) {
        c.add(PictureNames::taskHelp(mirrors ? QStringLiteral("4a") : QStringLiteral("4b")), Layout::kScreen,
              [mirrors](QPainter& p, QSize size) { OpticsPainter::drawHelp(p, size, mirrors); });
    }
}

} // namespace orbeta
