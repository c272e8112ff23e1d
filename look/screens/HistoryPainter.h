// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPainterPath>
#include <QRectF>
#include <QSize>
#include <QString>

class QPainter;

namespace orbeta {

// The history forms: their backgrounds, the movable boxes and the slots of
// the persons' timeline (drawn by the forms at any state), and the help
// pictures of "6a" to "6c".
class HistoryPainter {
public:
    // Pixel sizes of the texts: the forms draw with them and the data test
    // measures every text of the files at them.
    static constexpr int kPairLeftPx = 14;
    static constexpr int kPairBoxPx = 13;
    static constexpr int kTimelineBoxPx = 15;
    static constexpr int kSlotPx = 12;
    static constexpr int kTopPx = 15;
    // Inside a box the text keeps this margin left and right.
    static constexpr int kBoxMargin = 8;
    // The room a text has in a box of the given width, and in a slot.
    static constexpr int textWidth(int boxWidth) { return boxWidth - 2 - 2 * kBoxMargin; }
    static constexpr int kSlotTextMargin = 3;

    enum class BoxState {
        Resting,  // waiting to be moved
        Focused,  // the keyboard's focus is on it
        Lifted,   // being dragged or carried by the keyboard
        Disabled, // after the evaluation
    };

    // The outline of a box: a rounded rectangle, also its window shape.
    static QPainterPath boxPath(const QRectF& rect);
    // A text on one line of `width` in the history font: whole, or its
    // longest start that fits followed by "…", never cut inside a letter.
    static QString elided(const QString& text, qreal width, int pixelSize, bool bold);
    static void drawBox(QPainter& painter, const QRectF& rect, const QString& text, int pixelSize, BoxState state);
    // A slot of the persons' timeline: dashed while empty, a name once filled.
    static void drawSlot(QPainter& painter, const QRectF& rect, const QString& name, bool focused);
    // A keyboard target: where the carried box would land.
    static void drawTarget(QPainter& painter, const QRectF& rect);

    static void drawPairsBackground(QPainter& painter, QSize size, int rows);
    static void drawPersonsBackground(QPainter& painter, QSize size);
    static void drawEventsBackground(QPainter& painter, QSize size);
    static void drawHelp(QPainter& painter, QSize size, const QString& taskCode);
};

} // namespace orbeta
