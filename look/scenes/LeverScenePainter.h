// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringList>

#include <optional>
#include <vector>

class QPainter;

namespace orbeta {

// "2e": the two-armed lever with its marks, the weights hanging on it and
// the loose weights the pupil moves.
struct LeverScene {
    struct Hanging {
        int mark = 0;  // -6 to 6
        int mass = 1;  // 1 to 20
    };
    struct Loose {
        int mass = 1;
        QPoint at;     // top left corner
    };
    std::vector<Hanging> hanging;
    std::vector<Loose> loose;        // in drawing order: the weight being moved last
    std::optional<int> shownMark;    // the red circle: the mark that needs a weight
    std::optional<int> keyMark;      // the mark the keyboard carries a weight over
    double tilt = 0;                 // -1: down on the left, 1: down on the right
};

// The lever scene of the calculation form and its sprite pictures, drawn by
// the same functions in scene pixels (LabScene::kSize).
class LeverScenePainter {
public:
    // The marks are kMarkStep pixels apart, so that six on each side fit the scene.
    static constexpr int kMarkStep = 24;
    static constexpr QPoint kPivot{156, 100};
    static constexpr QSize kWeightSize{22, 34};
    static constexpr int kTiltDegrees = 7;

    static void drawScene(QPainter& painter, const LeverScene& scene);
    // The top left corner of a weight hanging at a mark of the level lever,
    // and the places of the loose weights 1 to 3 before they are moved.
    static QPoint hook(int mark);
    static QPoint home(int weight);

    // The lever alone, level or tipped, as the sprite files hold it.
    static QRect leverApparatus();
    static void drawLever(QPainter& painter, double tilt);
    // A weight of mass 1 to 20 filling a picture of kWeightSize, with the
    // ring it hangs by or standing.
    static void drawWeight(QPainter& painter, QSize size, int mass, bool ring);

    // The solution: the lines of text above the balanced lever, filling `size`.
    static void drawSolution(QPainter& painter, QSize size, const LeverScene& balanced, const QStringList& lines);
};

} // namespace orbeta
