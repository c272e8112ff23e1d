// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The setup screen: two backgrounds, count buttons, arrows, task headings,
// topic pictures, the continue and print buttons with their strips, and the
// back button.
#include "art/catalogue/PictureCatalogue.h"
#include "art/pictures/Screens.h"
#include "look/basics/Layout.h"
#include "look/basics/Palette.h"
#include "look/basics/PictureNames.h"
#include "look/controls/ButtonPainter.h"
#include "look/controls/TaskLabel.h"
#include "look/screens/SetupPainter.h"

#include <QPainter>

namespace orbeta {

void Screens::addSetup(PictureCatalogue& c)
{
    // The two animation strips belong to the menu's start-up, so they come first.
    const QSize button = Layout::kContinueButton.size();
    const QSize strip(button.width() * Layout::kStripFrames, button.height());
    c.add(PictureNames::continueBackground(), button, SetupPainter::drawButtonPlace);
    c.add(PictureNames::printBackground(), Layout::kPrintButton.size(), SetupPainter::drawButtonPlace);
    c.add(PictureNames::continueStrip(), strip, SetupPainter::drawContinueStrip);
    c.add(PictureNames::printStrip(), strip, SetupPainter::drawPrintStrip);

    const TopicGroup groups[] = {TopicGroup::Physics, TopicGroup::History};
    for (TopicGroup group : groups) {
        c.add(PictureNames::setupBackground(group), Layout::kScreen,
              [group](QPainter& p, QSize size) { SetupPainter::drawBackground(p, size, group); });
    }

    for (int i = 1; i <= TaskTable::kCountButtons; ++i) {
        for (bool chosen : {false, true}) {
            const ButtonLook look = chosen ? ButtonLook::Chosen : ButtonLook::Normal;
            for (TopicGroup group : groups) {
                const int count = TaskTable::countsOffered(group)[static_cast<std::size_t>(i - 1)];
                c.add(PictureNames::countButton(group, count, chosen), Layout::kCountButton1.size(),
                      [count, look](QPainter& p, QSize size) { SetupPainter::drawCountButton(p, size, count, look); });
            }
        }
        c.add(PictureNames::arrow(i), Layout::kArrowSize,
              [i](QPainter& p, QSize size) { SetupPainter::drawArrow(p, size, i); });
    }

    for (const TaskLabel& task : TaskLabel::all()) {
        const bool history = TaskTable::groupOf(task.code) == TopicGroup::History;
        c.add(PictureNames::heading(task.code), history ? Layout::kHeadingSize6 : Layout::kHeadingSize15,
              [task](QPainter& p, QSize size) { SetupPainter::drawHeading(p, size, task); });
        c.addSprite(PictureNames::topicPicture(task.code), Layout::kTopicPictureSize,
                    [task](QPainter& p, QSize size) { SetupPainter::drawTopicPicture(p, size, task); },
                    Palette::ground());
    }

    for (ButtonLook look : {ButtonLook::Normal, ButtonLook::Highlighted}) {
        c.add(PictureNames::setupBack(look), Layout::kSetupBack.size(),
              [look](QPainter& p, QSize size) { ButtonPainter::drawBackButton(p, size, look); });
    }
}

} // namespace orbeta
