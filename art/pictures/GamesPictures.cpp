// Task forms: the background, the four top buttons and the task pictures.
#include "art/PictureCatalogue.h"
#include "art/pictures/Screens.h"
#include "look/GamesPainter.h"
#include "look/Layout.h"
#include "look/Palette.h"
#include "look/PictureNames.h"
#include "look/TaskLabel.h"

#include <QPainter>

namespace orbeta {

void Screens::addGames(PictureCatalogue& c)
{
    using TopButton = PictureNames::TopButton;
    c.add(PictureNames::taskBackground(), Layout::kScreen, GamesPainter::drawBackground);
    for (TopButton button : {TopButton::Check, TopButton::New, TopButton::Table, TopButton::Back}) {
        for (ButtonLook look : {ButtonLook::Normal, ButtonLook::Highlighted}) {
            c.add(PictureNames::topButton(button, look), Layout::kTopButton1.size(),
                  [button, look](QPainter& p, QSize size) { GamesPainter::drawTopButton(p, size, button, look); });
        }
    }
    for (const TaskLabel& task : TaskLabel::all()) {
        c.addSprite(PictureNames::taskPicture(task.code), Layout::kTitlePicture,
                    [task](QPainter& p, QSize size) { GamesPainter::drawTaskPicture(p, size, task); },
                    Palette::ground());
    }
}

} // namespace orbeta
