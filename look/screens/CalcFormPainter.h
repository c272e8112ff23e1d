// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "look/basics/PictureNames.h"

#include <QSize>

class QPainter;

namespace orbeta {

// The calculation form: its background, the experiment button, the marks
// after checking, the calculator keys and the table backdrop.
class CalcFormPainter {
public:
    // Header with the progress box, the rule, the assignment band and a frame
    // around the scene; the left column stays plain ground for the table.
    static void drawBackground(QPainter& painter, QSize size);
    // The progress box with its caption; the form writes "2 / 5" below the
    // caption. The optics form shows the same box.
    static void drawProgressBox(QPainter& painter);
    static void drawExperimentButton(QPainter& painter, QSize size, PictureNames::ExperimentButton state);
    // A green tick (right) or a red cross (wrong), drawn as a sprite on the ground.
    static void drawCheckMark(QPainter& painter, QSize size, bool right);
    static void drawCalculatorKey(QPainter& painter, QSize size, PictureNames::CalculatorKey key, bool pressed);

    // The table: a blue ground, the heading strip (white labels), one strip
    // per row (black labels, the marked row white) and the closing strip.
    static void drawTableGround(QPainter& painter, QSize size);
    static void drawTableTop(QPainter& painter, QSize size);
    static void drawTableBody(QPainter& painter, QSize size);
    static void drawTableBottom(QPainter& painter, QSize size);
};

} // namespace orbeta
