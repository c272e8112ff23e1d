// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screen/Blits.h"

#include "look/basics/Palette.h"
#include "screen/Form.h"

#include <QPainter>
#include <QVector>
#include <QWidget>

namespace orbeta {

namespace {

bool isTransparent(QRgb pixel, QRgb transparent)
{
    return (pixel & 0xFFFFFFu) == (transparent & 0xFFFFFFu);
}

} // namespace

QImage SpriteFromPicture(const QImage& source, const QRect& rect, QColor transparent)
{
    QImage sprite = source.copy(rect).convertToFormat(QImage::Format_ARGB32);
    const QRgb key = transparent.rgb();
    for (int y = 0; y < sprite.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(sprite.scanLine(y));
        for (int x = 0; x < sprite.width(); ++x)
            if (isTransparent(line[x], key))
                line[x] = 0;
    }
    return sprite;
}

QColor BlitTransparent(QPaintDevice& destination, int x, int y, int width, int height, const QImage& source,
                       int sourceX, int sourceY, QColor transparent)
{
    const QImage sprite = SpriteFromPicture(source, QRect(sourceX, sourceY, width, height), transparent);
    QPainter painter(&destination);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(x, y, sprite);
    return transparent;
}

void BlitPersistent(Form& form, int x, int y, int width, int height, const QPixmap& source)
{
    {
        QPainter painter(&form.persistentImage());
        painter.drawPixmap(x, y, source, 0, 0, width, height);
    }
    form.update(x, y, width, height);
}

QRegion RegionFromBitmap(const QImage& picture, QColor transparent)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    const QRgb key = transparent.rgb();
    QVector<QRect> rects;
    qsizetype previousBand = 0; // index of the previous row's first rectangle
    qsizetype previousCount = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        QVector<QRect> row;
        int x = 0;
        while (x < image.width()) {
            while (x < image.width() && isTransparent(line[x], key))
                ++x;
            const int start = x;
            while (x < image.width() && !isTransparent(line[x], key))
                ++x;
            if (x > start)
                row.append(QRect(start, y, x - start, 1));
        }
        // A row with the same runs as the one above only makes that band taller.
        bool same = previousCount == row.size() && previousCount > 0
            && rects.at(previousBand).bottom() == y - 1;
        for (qsizetype i = 0; same && i < row.size(); ++i) {
            const QRect& above = rects.at(previousBand + i);
            same = above.left() == row.at(i).left() && above.right() == row.at(i).right();
        }
        if (same) {
            for (qsizetype i = 0; i < row.size(); ++i)
                rects[previousBand + i].setBottom(y);
        } else if (!row.isEmpty()) {
            previousBand = rects.size();
            previousCount = row.size();
            rects.append(row);
        } else {
            previousCount = 0;
        }
    }
    QRegion region;
    region.setRects(rects.constData(), int(rects.size()));
    return region;
}

void ShapeWindowFromBitmap(QWidget& window, const QImage& picture, QColor transparent)
{
    window.setMask(RegionFromBitmap(picture, transparent));
}

void ShapeWindowFromBitmap(Form& form, QColor transparent)
{
    ShapeWindowFromBitmap(form, form.persistentImage().toImage(), transparent);
}

QPixmap SpritePicture(const QImage& picture)
{
    return QPixmap::fromImage(SpriteFromPicture(picture, picture.rect(), Palette::transparent()));
}

} // namespace orbeta
