// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/Misc.h"

#include "look/Palette.h"
#include "look/PictureNames.h"
#include "shell/Form.h"
#include "shell/Globals.h"
#include "shell/KeyboardLayoutCycle.h"
#include "shell/PictureButton.h"
#include "shell/Resources.h"
#include "shell/ScreenHost.h"
#include "shell/Services.h"

#include <QCursor>

#include <algorithm>
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

void SetUpForm(QWidget& form, int width, int height)
{
    form.setWindowTitle(QStringLiteral("Orbeta Tarovia"));
    form.setFixedSize(width, height);
}

void NormaliseControls(QWidget& form)
{
    const auto controls = form.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* control : controls) {
        if (control->isWindow())
            continue;
        QFont font = control->font();
        font.setPixelSize(16);
        control->setFont(font);
        if (control->focusPolicy() & Qt::TabFocus)
            control->setFocusPolicy(Qt::ClickFocus);
    }
}

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

void PlayEnterSound(Services& services)
{
    services.play(Sound::Enter);
}

void PlayClickSound(Services& services)
{
    services.play(Sound::Click);
}

void PlayZavaziSound(Services& services)
{
    services.play(Sound::Zavazi);
}

bool EnterHoverItem(Services& services, std::uint8_t id)
{
    if (globals().HoverId == id)
        return false;
    PlayEnterSound(services);
    globals().HoverId = id;
    return true;
}

void SelectUsKeyboard(Services& services)
{
    KeyboardLayoutCycle::selectUs(services.keyboardLayouts(), globals().CurrentKeyboardLayout);
}

void SaveKeyboardLayout(Services& services)
{
    globals().SavedKeyboardLayout = services.keyboardLayouts().activeName();
}

void RestoreKeyboardLayout(Services& services)
{
    KeyboardLayoutCycle::restore(services.keyboardLayouts(), globals().SavedKeyboardLayout,
                                 globals().CurrentKeyboardLayout);
}

QPoint CursorInForm(const QWidget& form)
{
    const ScreenHost* host = ScreenHost::instance();
    if (host && host->stage()->isAncestorOf(&form))
        return host->designPosition(QCursor::pos()) - form.mapTo(host->stage(), QPoint(0, 0));
    return form.mapFromGlobal(QCursor::pos());
}

void BuildTopButtons(QWidget& form, TopButtons& picTop)
{
    using TopButton = PictureNames::TopButton;
    auto& pictures = globals().TopButtonPictures;
    int i = 0;
    for (TopButton button : {TopButton::Check, TopButton::New, TopButton::Table, TopButton::Back})
        for (ButtonLook look : {ButtonLook::Normal, ButtonLook::Highlighted})
            pictures.at(i++) = Resources::picture(PictureNames::topButton(button, look));
    PictureButton* first = picTop.at(0);
    first->setPictures(pictures.at(0), pictures.at(1));
    first->showNormal();
    for (int i = 1; i < 4; ++i) {
        if (!picTop.at(i))
            picTop.at(i) = new PictureButton(&form);
        PictureButton* button = picTop.at(i);
        button->setPictures(pictures.at(2 * i), pictures.at(2 * i + 1));
        button->showNormal();
        button->move(first->x() + i * first->width(), first->y());
        button->show();
    }
}

void ShowTopButtons(const TopButtons& picTop, int highlighted)
{
    for (int i = 0; i < 4; ++i)
        if (picTop.at(i))
            picTop.at(i)->setLook(highlighted == i + 1 ? PictureButton::Look::Highlighted
                                                       : PictureButton::Look::Normal);
}

QPixmap SpritePicture(const QString& name)
{
    const QImage image = Resources::image(name);
    return QPixmap::fromImage(SpriteFromPicture(image, image.rect(), Palette::transparent()));
}

} // namespace orbeta
