// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>

class QPainter;

namespace orbeta {

// "2a": a weight lowered onto the square piston of a closed tank; a glass
// tube beside the tank shows the pressure of the liquid as its height.
struct PressScene {
    int area = 2;                 // dm², the piston: its face is drawn the larger the larger the area
    double lowered = 0;           // the weight from hanging over the piston (0) to resting on it (1)
    double pressure = 0;          // kPa the tube shows
    bool pressureHidden = false;  // the pressure is asked: the tube has no scale
};

// "2b": a body pulled up an inclined board along a ruler.
struct BoardScene {
    static constexpr double kRulerPxPerMetre = 26;
    int distance = 1;             // m, the whole pull
    double travelled = 0;         // fraction of the pull, 0 to 1
    bool distanceHidden = false;  // the distance is asked: the board has no ruler
    // The board's scale: the ruler's, or any other when the board has none.
    double pxPerMetre = kRulerPxPerMetre;
};

// "2c", "2d": a winch on a mast lifting a load past a height scale.
struct WinchScene {
    double height = 1;  // m, the whole lift
    double lifted = 0;  // fraction of the lift, 0 to 1
    bool energy = false; // "2d": the rows of mass, energy, height, time and power
};

// The scenes of "2a" to "2d" and the sprite pictures of their apparatus,
// drawn by the same functions, in scene pixels (LabScene::kSize).
class MechanicsScenePainter {
public:
    enum class PressBox { Mass, Pressure, Area, AreaWhileRunning };
    enum class BoardBox { Distance, Force, Work, Time };

    static void drawPressScene(QPainter& painter, const PressScene& scene);
    static void drawBoardScene(QPainter& painter, const BoardScene& scene);
    static void drawWinchScene(QPainter& painter, const WinchScene& scene);

    static QPoint pressBox(PressBox box);
    static QPoint boardBox(BoardBox box);
    // The winch's rows of boxes, 0 at the top.
    static QPoint winchBox(int row);

    // The tank with its piston and tube, the weight, the board, the two winches
    // and the motor winch's drum at frames 1 to kDrumFrames, as the sprite files hold them.
    static QRect pressApparatus();
    static void drawPressApparatus(QPainter& painter, const PressScene& scene);
    static constexpr QSize kWeightSize{64, 50};
    static void drawWeight(QPainter& painter, QSize size);
    static QRect boardApparatus();
    static void drawBoard(QPainter& painter, bool numbers);
    static QRect winchApparatus();
    static void drawWinch(QPainter& painter, bool motor);
    static constexpr int kDrumFrames = 4;
    static constexpr QSize kDrumSize{36, 36};
    static void drawDrum(QPainter& painter, QSize size, int frame);
    // The drum frame after winding `metres` of rope.
    static int drumFrame(double metres);

    // Where the tube's liquid stands at a pressure, the load's bottom during
    // a lift, and the body's back edge on the board's surface.
    static qreal tubeLevelY(double kPa);
    static qreal loadBottomY(const WinchScene& scene);
    static QPointF bodyOnBoard(const BoardScene& scene);
};

} // namespace orbeta
