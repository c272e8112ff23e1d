#pragma once

#include "shell/KeyboardLayouts.h"

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QRegion>
#include <array>
#include <cstdint>
#include <memory>

class QPaintDevice;
class QWidget;

namespace orbeta {

class Form;
class PictureButton;

// The shared services every form calls: window set-up, layout, blits,
// window shapes, delays, sounds, keyboard layouts, the cursor position and
// the top buttons of the task forms.

// The transparent colour of every sprite and shaped window.
inline constexpr QRgb TransparentColour = qRgb(255, 0, 255);

// Caption "Orbeta Tarovia" and the size in design pixels.
void SetUpForm(QWidget& form, int width, int height);

// Design pixels per screen pixel of the forms. The screen host scales the
// whole 640 x 480 design, so the forms always work in design pixels and the
// factor is 1.
double CorrectionFactor();
// Scales position and size of every control of the form by k, gives each a
// font of 12 points at 96 dpi (16 design pixels) times k, and takes it out
// of the tab order.
void NormaliseControls(QWidget& form, double k = CorrectionFactor());

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

// The millisecond clock.
std::uint32_t TickCount();
// Waits, handling window events meanwhile.
void DelayWithEvents(std::uint32_t milliseconds);
// Waits without handling events (short animation steps only).
void DelayBusy(std::uint32_t milliseconds);
// With instant delays (the tour) both delays return at once.
void SetInstantDelays(bool instant);
bool InstantDelays();

void PlayEnterSound();
void PlayClickSound();
void PlayZavaziSound();
// Moves the highlight to item `id` of the front form: plays the enter sound
// and sets HoverId when the highlight moves to another item. True when it moved.
bool EnterHoverItem(std::uint8_t id);

void SelectUsKeyboard();
void SaveKeyboardLayout();
void RestoreKeyboardLayout();
// The system's layouts; the desktop implementation unless replaced (tests).
KeyboardLayouts& ActiveKeyboardLayouts();
void SetKeyboardLayouts(std::unique_ptr<KeyboardLayouts> layouts);

// The mouse position relative to the form's top-left corner, in design pixels.
QPoint CursorInForm(const QWidget& form);

// The four top buttons of a task form: evaluate, new example, results, back.
using TopButtons = std::array<PictureButton*, 4>;
// Button 1 must exist; creates 2 to 4 edge to edge to its right and gives
// all four their normal pictures from TopButtonPictures.
void BuildTopButtons(QWidget& form, TopButtons& picTop);
// Button n highlighted, the others normal; 0 highlights none.
void ShowTopButtons(const TopButtons& picTop, int highlighted);

} // namespace orbeta
