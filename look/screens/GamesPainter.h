// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "look/basics/ButtonLook.h"
#include "look/basics/PictureNames.h"

#include <QSize>

class QPainter;

namespace orbeta {

struct TaskLabel;

// The task forms: the four top buttons and the task pictures (drawn at the
// top left of the task forms and of the results form).
class GamesPainter {
public:
    static void drawTopButton(QPainter& painter, QSize size, PictureNames::TopButton button, ButtonLook look);
    // A banner in the topic's colour with the topic and the title.
    static void drawTaskPicture(QPainter& painter, QSize size, const TaskLabel& task);
};

} // namespace orbeta
