// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frame/TopButtons.h"

#include "look/basics/PictureNames.h"
#include "screen/PictureButton.h"
#include "services/Resources.h"

#include <QWidget>

namespace orbeta {

void BuildTopButtons(QWidget& form, TopButtons& picTop, const Resources& resources)
{
    using TopButton = PictureNames::TopButton;
    // check, new, tab, back; each normal then highlighted.
    std::array<QPixmap, 8> pictures;
    int i = 0;
    for (TopButton button : {TopButton::Check, TopButton::New, TopButton::Table, TopButton::Back})
        for (ButtonLook look : {ButtonLook::Normal, ButtonLook::Highlighted})
            pictures.at(i++) = resources.picture(PictureNames::topButton(button, look));
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

} // namespace orbeta
