// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tasks/TaskTable.h"

#include <QSize>

class QPainter;

namespace orbeta {

// Full-screen pictures shown by the splash form: the title, the credits and
// the two help pictures of the setup screen.
class IntroPainter {
public:
    static void drawTitle(QPainter& painter, QSize size);
    static void drawCredits(QPainter& painter, QSize size);
    // The setup screen at half size with its controls numbered and explained.
    static void drawSetupHelp(QPainter& painter, QSize size, TopicGroup group);
};

} // namespace orbeta
