// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QRectF>
#include <QString>

#include <functional>

class QPainter;

namespace orbeta {

// Small line drawings in one colour, fitted into a rectangle: the icons of
// the topics, the tasks and the buttons.
class Icons {
public:
    using Draw = std::function<void(QPainter&, const QRectF&, const QColor&)>;

    // A drawing that stands for the topic, or with a task code for the task.
    static void drawTopicIcon(QPainter& painter, const QRectF& rect, int topic, const QColor& colour);
    static void drawTaskIcon(QPainter& painter, const QRectF& rect, const QString& code, const QColor& colour);

    static void drawBackArrow(QPainter& painter, const QRectF& rect, const QColor& colour);
    static void drawForwardArrow(QPainter& painter, const QRectF& rect, const QColor& colour);
    static void drawPrinter(QPainter& painter, const QRectF& rect, const QColor& colour);
    static void drawTick(QPainter& painter, const QRectF& rect, const QColor& colour);
    static void drawTable(QPainter& painter, const QRectF& rect, const QColor& colour);
    static void drawRenew(QPainter& painter, const QRectF& rect, const QColor& colour);
};

} // namespace orbeta
