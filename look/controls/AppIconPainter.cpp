// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "look/controls/AppIconPainter.h"

#include "look/basics/Palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace orbeta {

void AppIconPainter::drawEmblem(QPainter& p, QPointF centre, qreal scale)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(centre);
    p.scale(scale, scale);
    for (int k = 0; k < 3; ++k) {
        p.save();
        p.rotate(-25 + 60 * k);
        p.setPen(QPen(QColor(170, 205, 255, 170), 2.2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(0, 0), 120, 42);
        p.setPen(Qt::NoPen);
        p.setBrush(k == 1 ? Palette::gold() : QColor(210, 232, 255));
        const qreal a = qDegreesToRadians(40.0 + 110 * k);
        p.drawEllipse(QPointF(120 * qCos(a), 42 * qSin(a)), 7, 7);
        p.restore();
    }
    QRadialGradient sun(QPointF(-10, -10), 46);
    sun.setColorAt(0, QColor(255, 240, 170));
    sun.setColorAt(0.6, Palette::gold());
    sun.setColorAt(1, QColor(214, 110, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(QPointF(0, 0), 34, 34);
    p.restore();
}

void AppIconPainter::drawIcon(QPainter& p, int size)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // The night sky of the title screen on a rounded tile, as desktop menus
    // show their icons.
    const qreal margin = size / 24.0;
    const QRectF tile(margin, margin, size - 2 * margin, size - 2 * margin);
    QLinearGradient sky(0, tile.top(), 0, tile.bottom());
    sky.setColorAt(0, QColor(10, 26, 74));
    sky.setColorAt(1, Palette::strip());
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRoundedRect(tile, size / 6.0, size / 6.0);
    p.restore();
    // Thin lines vanish at small sizes, so the emblem is drawn larger than the
    // tile and its orbits' ends are cut off by the tile's edge.
    p.save();
    QPainterPath clip;
    clip.addRoundedRect(tile, size / 6.0, size / 6.0);
    p.setClipPath(clip);
    drawEmblem(p, tile.center(), tile.width() * 0.5 / kEmblemRadius * 1.08);
    p.restore();
}

} // namespace orbeta
