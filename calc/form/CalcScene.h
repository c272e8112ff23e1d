// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/basics/CalcExample.h"
#include "calc/basics/CalcRoute.h"
#include "calc/experiments/ExperimentFrame.h"
#include "look/basics/Layout.h"
#include "calc/experiments/LeverBoard.h"

#include <QPoint>
#include <QSize>
#include <QString>

#include <array>
#include <optional>

class QPainter;

namespace orbeta {

// Where the form puts its boxes on the scene of an example, in scene
// pixels (the scene is Layout::kCalcScene.size(), origin at its top left).
struct SceneLayout {
    // Top left of `TVstup(i)`; none for a box the task does not use. The unit
    // label `LVstup(i)` goes 4 pixels right of the box.
    std::array<std::optional<QPoint>, 6> boxes{};
    // The width of each box: the widest text it can show over the task's ranges.
    std::array<int, 6> boxWidths{};
    // `TStart(1..2)`, `TCil(1..2)` and their captions `LStart`, `LCil`; only
    // for the tasks that use them.
    bool timeBoxes = false;
    std::array<QPoint, 2> startBoxes{};
    // The appliance plate of "5b" holds "230" and up to four digits of watts.
    QSize startBoxSize = Layout::kTimeBox;
    int startDigits = 2;
    std::array<QPoint, 2> finishBoxes{};
    QPoint startLabel;
    QPoint finishLabel;
    QString startCaption;
    QString finishCaption;
    // A box (1 to 6) that moves when the experiment starts: the weight of "2a"
    // covers the piston, and the piston's area moves up beside the weight's mass.
    struct MovedBox {
        int box = 0;
        QPoint to;
    };
    std::optional<MovedBox> movedOnStart;
};

// The apparatus scene of the calculation form: one drawing per task family
// (the painters of the look library), at any frame of the experiment, on
// any painter: the form, the tour and the printed worksheet.
class CalcScene {
public:
    // The task's scene is drawn: its code can be played.
    static bool available(CalcTask task);

    static SceneLayout layout(const CalcExample& example);

    // The scene of `example` at one frame of its experiment, in scene
    // pixels from the painter's origin; `map` holds the roads of "1d".
    // `lever` is the lever of "2e" as the pupil left it; without one the lever
    // is drawn as the example starts it.
    static void draw(QPainter& painter, const CalcExample& example, const ExperimentScene& frame,
                     const CalcMap& map, const LeverBoard* lever = nullptr);

    // "2e": where the lever's scene hangs weights and puts the loose ones, and
    // the size of a weight's picture.
    static LeverPlaces leverPlaces();
    static QSize leverWeightSize();
    // The solution picture of "2e": the generated arrangement on the balanced
    // lever under the solution's lines.
    static void drawLeverSolution(QPainter& painter, QSize size, const CalcExample& example,
                                  const QString& solution);
};

} // namespace orbeta
