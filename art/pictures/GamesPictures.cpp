// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Task forms: the four top buttons and the task pictures; the calculation
// form's background, buttons, marks, keys, table backdrop and help pictures.
#include "art/catalogue/PictureCatalogue.h"
#include "art/pictures/Screens.h"
#include "look/basics/Layout.h"
#include "look/basics/Palette.h"
#include "look/basics/PictureNames.h"
#include "look/controls/TaskLabel.h"
#include "look/screens/CalcFormPainter.h"
#include "look/screens/CalcHelpPainter.h"
#include "look/screens/GamesPainter.h"

#include <QPainter>

namespace orbeta {

void Screens::addGames(PictureCatalogue& c)
{
    using TopButton = PictureNames::TopButton;
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

    using ExperimentButton = PictureNames::ExperimentButton;
    using CalculatorKey = PictureNames::CalculatorKey;
    c.add(PictureNames::taskBackground(), Layout::kScreen, CalcFormPainter::drawBackground);
    for (ExperimentButton state : {ExperimentButton::Disabled, ExperimentButton::Play, ExperimentButton::PlayPressed,
                                   ExperimentButton::Stop, ExperimentButton::StopPressed}) {
        c.add(PictureNames::experimentButton(state), Layout::kExperimentButton.size(),
              [state](QPainter& p, QSize size) { CalcFormPainter::drawExperimentButton(p, size, state); });
    }
    for (bool right : {true, false}) {
        c.addSprite(PictureNames::checkMark(right), Layout::kCheckMark.size(),
                    [right](QPainter& p, QSize size) { CalcFormPainter::drawCheckMark(p, size, right); },
                    Palette::ground());
    }
    for (CalculatorKey key : {CalculatorKey::Plus, CalculatorKey::Minus, CalculatorKey::Times, CalculatorKey::Divide,
                              CalculatorKey::Clear}) {
        for (bool pressed : {false, true}) {
            c.add(PictureNames::calculatorKey(key, pressed), Layout::kCalculatorKey1.size(),
                  [key, pressed](QPainter& p, QSize size) { CalcFormPainter::drawCalculatorKey(p, size, key, pressed); });
        }
    }
    c.add(PictureNames::tableGround(), Layout::kTableBlueSize, CalcFormPainter::drawTableGround);
    c.add(PictureNames::tableTop(), Layout::kTableTopSize, CalcFormPainter::drawTableTop);
    c.add(PictureNames::tableBody(), Layout::kTableBodySize, CalcFormPainter::drawTableBody);
    c.add(PictureNames::tableBottom(), Layout::kTableBottomSize, CalcFormPainter::drawTableBottom);
    for (const QString& code : CalcHelpPainter::codes()) {
        c.add(PictureNames::taskHelp(code), Layout::kScreen,
              [code](QPainter& p, QSize size) { CalcHelpPainter::draw(p, size, code); });
    }
}

} // namespace orbeta
