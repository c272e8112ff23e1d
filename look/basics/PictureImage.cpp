// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "look/basics/PictureImage.h"

#include "look/basics/Palette.h"

#include <QPainter>

namespace orbeta {

QImage PictureImage::opaque(QSize size, const Draw& draw)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Palette::paper());
    {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
        draw(painter, size);
    }
    return image.convertToFormat(QImage::Format_RGB888);
}

QImage PictureImage::sprite(QSize size, const Draw& draw, const QColor& matte)
{
    QImage layer(size, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter painter(&layer);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
        draw(painter, size);
    }
    const QColor magenta = Palette::transparent();
    QImage out(size, QImage::Format_RGB888);
    for (int y = 0; y < layer.height(); ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(layer.constScanLine(y));
        uchar* dst = out.scanLine(y);
        for (int x = 0; x < layer.width(); ++x) {
            const QRgb p = src[x];
            const int a = qAlpha(p);
            int r = magenta.red(), g = magenta.green(), b = magenta.blue();
            if (a >= kSpriteAlphaThreshold) {
                // The layer is premultiplied: a pixel holds colour × alpha.
                if (matte.isValid()) {
                    r = qRed(p) + (matte.red() * (255 - a) + 127) / 255;
                    g = qGreen(p) + (matte.green() * (255 - a) + 127) / 255;
                    b = qBlue(p) + (matte.blue() * (255 - a) + 127) / 255;
                } else {
                    r = (qRed(p) * 255 + a / 2) / a;
                    g = (qGreen(p) * 255 + a / 2) / a;
                    b = (qBlue(p) * 255 + a / 2) / a;
                }
                r = qMin(r, 255);
                g = qMin(g, 255);
                b = qMin(b, 255);
                // A drawn colour must never read as transparent.
                if (r == magenta.red() && g == magenta.green() && b == magenta.blue())
                    g += 1;
            }
            dst[3 * x] = uchar(r);
            dst[3 * x + 1] = uchar(g);
            dst[3 * x + 2] = uchar(b);
        }
    }
    return out;
}

} // namespace orbeta
