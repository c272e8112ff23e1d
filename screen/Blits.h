// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QRegion>

class QPaintDevice;
class QWidget;

namespace orbeta {

class Form;

// Pictures put on a form: transparent blits, persistent drawing and window
// shapes cut from a picture.

// The source rectangle with every pixel of the transparent colour made
// fully transparent.
QImage SpriteFromPicture(const QImage& source, const QRect& rect, QColor transparent);
// Copies the source rectangle onto the destination, leaving the destination
// unchanged where the source has the transparent colour. The source stays
// unchanged; the transparent colour is returned.
QColor BlitTransparent(QPaintDevice& destination, int x, int y, int width, int height, const QImage& source,
                       int sourceX, int sourceY, QColor transparent);
// Copies the source (from its origin) into the form's persistent image and
// onto the screen.
void BlitPersistent(Form& form, int x, int y, int width, int height, const QPixmap& source);

// The region of all pixels not of the transparent colour, built in one pass.
QRegion RegionFromBitmap(const QImage& picture, QColor transparent);
// Cuts every transparent pixel of the picture out of the window, so only
// the drawn shape is visible and receives the mouse.
void ShapeWindowFromBitmap(QWidget& window, const QImage& picture, QColor transparent);
void ShapeWindowFromBitmap(Form& form, QColor transparent);

// A picture whose magenta pixels let the form show through.
QPixmap SpritePicture(const QImage& picture);

} // namespace orbeta
