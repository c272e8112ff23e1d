// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main menu: background, topic buttons, task buttons and the end button.
#include "art/catalogue/PictureCatalogue.h"
#include "art/pictures/Screens.h"
#include "look/basics/Layout.h"
#include "look/basics/PictureNames.h"
#include "look/controls/TaskLabel.h"
#include "look/screens/MenuPainter.h"

#include <QPainter>

namespace orbeta {

void Screens::addMenu(PictureCatalogue& c)
{
    c.add(PictureNames::menuBackground(), Layout::kScreen, MenuPainter::drawBackground);
    for (int t = 1; t <= TaskTable::kTopicCount; ++t) {
        for (ButtonLook look : {ButtonLook::Normal, ButtonLook::Highlighted}) {
            c.add(PictureNames::topicButton(t, look), Layout::kTopicButton1.size(),
                  [t, look](QPainter& p, QSize size) { MenuPainter::drawTopicButton(p, size, t, look); });
        }
    }
    for (const TaskLabel& task : TaskLabel::all()) {
        for (ButtonLook look : {ButtonLook::Normal, ButtonLook::Highlighted, ButtonLook::Chosen}) {
            c.add(PictureNames::taskButton(task.code, look), Layout::kTaskButton1.size(),
                  [task, look](QPainter& p, QSize size) { MenuPainter::drawTaskButton(p, size, task, look); });
        }
    }
    for (ButtonLook look : {ButtonLook::Normal, ButtonLook::Highlighted}) {
        c.add(PictureNames::endButton(look), Layout::kEndButton.size(),
              [look](QPainter& p, QSize size) { MenuPainter::drawEndButton(p, size, look); });
    }
}

} // namespace orbeta
