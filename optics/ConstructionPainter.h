// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "optics/OpticsExample.h"
#include "look/screens/OpticsPainter.h"
#include "optics/RayDrawing.h"

#include <QImage>
#include <QLine>

#include <optional>

class QPainter;

namespace orbeta {

// Draws a ray construction on any painter in the pixels of the drawing
// area: the scene with its given rays and object, the pupil's rays and image
// arrow, and the correct construction. The drawing area, the hint window and
// the tour share it.
class ConstructionPainter {
public:
    // The pupil's wrong rays when the correct construction is shown beside them.
    static QColor wrongRay() { return {150, 40, 200}; }

    // The white area, the mirror or lens picture (a sprite with its magenta
    // made transparent), the letters of its points `letterPixels` tall (a
    // picture drawn smaller passes larger ones, so that they stay readable),
    // the given incident rays in red and the object arrow.
    static void drawScene(QPainter& painter, const OpticsExample& example, const QImage& picture,
                          int letterPixels = OpticsPainter::kLetterPixels);
    // C, F and V of a mirror, or F, F′ and O of a lens, under the axis.
    static void drawLetters(QPainter& painter, const OpticsExample& example, int pixels);
    // Only the given rays and the object arrow, over a mirror or lens drawn
    // already (the printed page draws it as vectors).
    static void drawGiven(QPainter& painter, const OpticsExample& example);
    // The pupil's rays in black with their dotted extensions and the green
    // image arrow; with `marked` the wrong rays take wrongRay().
    static void drawPupil(QPainter& painter, const RayDrawing& drawing, bool marked);
    // The correct outgoing rays in red, their extensions dotted back to the
    // axis where the image is virtual, and the image arrow in red too, told
    // apart from the pupil's green one.
    static void drawCorrect(QPainter& painter, const OpticsExample& example);
    // The line being drawn, with its head at the pointer.
    static void drawRubberBand(QPainter& painter, QLine line);
    // A ray start chosen with the keyboard: a ring around it.
    static void drawChosenStart(QPainter& painter, QPoint start);
};

} // namespace orbeta
