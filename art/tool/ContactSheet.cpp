// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "art/tool/ContactSheet.h"

#include "art/catalogue/PictureCatalogue.h"
#include "look/basics/Typeface.h"

#include <QPainter>

namespace orbeta {
namespace {

struct Placed {
    QImage image;
    QString label;
    QPoint at;
};

} // namespace

QImage ContactSheet::compose(const PictureCatalogue& catalogue, const QString& filter, int sheetWidth)
{
    constexpr int gap = 12;
    constexpr int labelHeight = 16;
    QList<Placed> placed;
    int x = gap, y = gap, rowHeight = 0;
    for (const Picture& picture : catalogue.pictures()) {
        if (!filter.isEmpty() && !picture.name.contains(filter, Qt::CaseInsensitive))
            continue;
        QImage image = PictureCatalogue::render(picture);
        // Strips wider than the sheet are folded into rows of frames' width.
        if (image.width() > sheetWidth - 2 * gap)
            image = image.scaledToWidth(sheetWidth - 2 * gap, Qt::SmoothTransformation);
        const QString label = QStringLiteral("%1  %2×%3").arg(
            picture.name, QString::number(picture.size.width()), QString::number(picture.size.height()));
        const int w = qMax(image.width(), 160);
        if (x + w > sheetWidth - gap && x > gap) {
            x = gap;
            y += rowHeight + gap;
            rowHeight = 0;
        }
        placed.append({image, label, {x, y}});
        x += w + gap;
        rowHeight = qMax(rowHeight, image.height() + labelHeight);
    }
    QImage sheet(sheetWidth, y + rowHeight + gap, QImage::Format_RGB32);
    sheet.fill(QColor(96, 96, 96));
    QPainter painter(&sheet);
    painter.setFont(Typeface::font(11));
    for (const Placed& p : placed) {
        painter.drawImage(p.at, p.image);
        painter.setPen(Qt::white);
        painter.drawText(QPoint(p.at.x(), p.at.y() + p.image.height() + 12), p.label);
    }
    return sheet;
}

} // namespace orbeta
