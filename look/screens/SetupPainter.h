// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "look/basics/ButtonLook.h"
#include "tasks/TaskTable.h"

#include <QSize>

class QPainter;

namespace orbeta {

struct TaskLabel;

// The setup screen: backgrounds, count buttons, arrows, task headings, topic
// pictures, and the continue and print buttons with their animation strips.
class SetupPainter {
public:
    static void drawBackground(QPainter& painter, QSize size, TopicGroup group);
    // The tip panel of the physics background with the ray constructions' own
    // tip: the setup form draws it over the background for "4a" and "4b".
    static void drawRayTip(QPainter& painter);
    static void drawCountButton(QPainter& painter, QSize size, int count, ButtonLook look);
    // The arrow under count button `button` (1 to 5), pointing up at it.
    static void drawArrow(QPainter& painter, QSize size, int button);
    static void drawHeading(QPainter& painter, QSize size, const TaskLabel& task);
    // A tab in the topic's colour, attached to the left edge (a sprite on the ground).
    static void drawTopicPicture(QPainter& painter, QSize size, const TaskLabel& task);
    // The empty place where the continue or print button will appear.
    static void drawButtonPlace(QPainter& painter, QSize size);
    // Layout::kStripFrames frames side by side: the button grows out of its place.
    static void drawContinueStrip(QPainter& painter, QSize size);
    static void drawPrintStrip(QPainter& painter, QSize size);
};

} // namespace orbeta
