// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QSize>
#include <QString>

#include <optional>
#include <span>

class QPainter;

namespace orbeta {

// One mirror picture of "4a.dat": the arc of the circle of `radius` around
// C = (centreX, axis), through the vertex V; F lies half way between them.
struct MirrorDrawing {
    const char* fileName;
    int centreX;
    int vertexX;
    int radius;
};

// The pictures of the optics form: the mirrors and lenses drawn like a
// textbook figure on the axis of the drawing area, with C, F, V, O and the
// foci marked and lettered; the form's background and the help pictures.
class OpticsPainter {
public:
    static constexpr int kArcHalfHeight = 140;
    static constexpr int kLensHalfHeight = 120;
    static constexpr int kLensCentreX = 310;
    // The focal distances of the converging and the diverging lens.
    static constexpr int kConvergingFocus = 100;
    static constexpr int kDivergingFocus = 120;
    // The letters of C, F, V, O and the foci on the drawing area.
    static constexpr int kLetterPixels = 14;

    // Where a letter stands beside its tick: under it, or under and before
    // it where the tick stands on the mirror or the lens.
    enum class LetterPlace { Below, BelowLeft, BelowRight };

    static std::span<const MirrorDrawing> mirrors();
    // Whether the mirror picture of that name (any letter case) is concave;
    // nothing for a name not among mirrors().
    static std::optional<bool> concaveMirror(const QString& fileName);
    // The reflecting surface: one pixel of this colour per row, on the circle.
    static QColor surface() { return {24, 44, 120}; }

    // The axis, the mirror or lens and the ticks of its points; the letters
    // too unless `letters` is false (the pictures of the drawing area leave
    // them to the painter of the construction, which draws them at any scale).
    static void drawMirror(QPainter& painter, QSize size, const MirrorDrawing& mirror, bool letters = true);
    static void drawLens(QPainter& painter, QSize size, bool converging, bool letters = true);
    // One letter `pixels` tall beside the tick at `x` on the axis.
    static void drawLetter(QPainter& painter, int x, const QString& letter, int pixels, LetterPlace place);
    static void drawBackground(QPainter& painter, QSize size);
    static void drawHelp(QPainter& painter, QSize size, bool mirrors);
};

} // namespace orbeta
