// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "look/basics/ButtonLook.h"

#include <QSize>

class QPainter;

namespace orbeta {

struct TaskLabel;

// The main menu: background, topic buttons, task buttons and the end button.
class MenuPainter {
public:
    static void drawBackground(QPainter& painter, QSize size);
    static void drawTopicButton(QPainter& painter, QSize size, int topic, ButtonLook look);
    static void drawTaskButton(QPainter& painter, QSize size, const TaskLabel& task, ButtonLook look);
    static void drawEndButton(QPainter& painter, QSize size, ButtonLook look);
};

} // namespace orbeta
