// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "look/controls/DisabledLook.h"

#include "look/basics/Palette.h"

namespace orbeta {

QImage DisabledLook::muted(const QImage& picture)
{
    QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const QColor panel = Palette::panel();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = line[x];
            // Grey of the pixel's brightness, then two thirds of the way to the panel.
            const int grey = qGray(pixel);
            auto toPanel = [grey](int panelChannel) { return (grey + 2 * panelChannel) / 3; };
            line[x] = qRgba(toPanel(panel.red()), toPanel(panel.green()), toPanel(panel.blue()), qAlpha(pixel));
        }
    }
    return image;
}

} // namespace orbeta
