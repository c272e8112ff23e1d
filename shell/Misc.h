// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QRegion>
#include <array>
#include <cstdint>

class QPaintDevice;
class QWidget;

namespace orbeta {

class Form;
class PictureButton;
class Services;

// The shared services every form calls: window set-up, layout, blits,
// window shapes, sounds, keyboard layouts, the cursor position and
// the top buttons of the task forms.

// Caption "Orbeta Tarovia" and the size in design pixels.
void SetUpForm(QWidget& form, int width, int height);

// The screen host scales the whole 640 x 480 design, so the forms always
// work in design pixels and nothing is rescaled here. Gives every control of
// the form a font of 12 points at 96 dpi (16 design pixels) and takes it out
// of the tab order.
void NormaliseControls(QWidget& form);

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

void PlayEnterSound(Services& services);
void PlayClickSound(Services& services);
void PlayZavaziSound(Services& services);
// Moves the highlight to item `id` of the front form: plays the enter sound
// and sets HoverId when the highlight moves to another item. True when it moved.
bool EnterHoverItem(Services& services, std::uint8_t id);

// The keyboard layout of the answer boxes is US English while a task form is
// in front; the pupil's own layout is saved at start and restored after.
void SelectUsKeyboard(Services& services);
void SaveKeyboardLayout(Services& services);
void RestoreKeyboardLayout(Services& services);

// The mouse position relative to the form's top-left corner, in design pixels.
QPoint CursorInForm(const QWidget& form);

// The four top buttons of a task form: evaluate, new example, results, back.
using TopButtons = std::array<PictureButton*, 4>;
// Button 1 must exist; creates 2 to 4 edge to edge to its right and gives
// all four their normal pictures from TopButtonPictures.
void BuildTopButtons(QWidget& form, TopButtons& picTop);
// Button n highlighted, the others normal; 0 highlights none.
void ShowTopButtons(const TopButtons& picTop, int highlighted);

// A picture whose magenta pixels let the form show through.
QPixmap SpritePicture(const QString& name);

} // namespace orbeta
