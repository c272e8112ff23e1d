// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

class QPainter;

namespace orbeta {

// "1a": the measuring cylinder on a balance, filled to liquidMl.
struct LiquidDensityScene {
    int liquidMl = 0;
    bool volumeHidden = false;  // the volume is asked: the scale shows ticks only
};

// "1b": the cylinder below a stand from which a hanging scale lowers a body.
struct SolidDensityScene {
    int liquidMl = 0;
    // The height of the body's bottom, linear from the kHangingMl mark (0)
    // down to the cylinder's bottom (1).
    double bodyDrop = 0;
    std::optional<int> body;    // which body, 1 to 3; none on the empty apparatus
    bool volumeHidden = false;  // the final volume is asked: ticks only
    int massBoxWidth = 0;       // the mass box, the scale's display; 0 for the usual box
};

// The two density scenes of the calculation form, and the sprite pictures of
// their apparatus, drawn by the same functions. Everything is in scene pixels
// (LabScene::kSize) from the painter's origin, so any scale of the painter works.
class DensityScenePainter {
public:
    enum class LiquidBox { EmptyMass, FullMass, Volume };
    enum class SolidBox { BodyMass, VolumeBefore, VolumeAfter };

    static constexpr int kScaleMl = 200;   // the top mark of both cylinders
    static constexpr int kHangingMl = 250; // where the body's bottom hangs before it is lowered
    static constexpr QSize kBodySize{40, 44};

    static void drawLiquidScene(QPainter& painter, const LiquidDensityScene& scene);
    static void drawSolidScene(QPainter& painter, const SolidDensityScene& scene);

    // Top left of each answer box; the legend is drawn left of it, the form
    // puts the unit right of it.
    static QPoint liquidBox(LiquidBox box);
    static QPoint solidBox(SolidBox box);

    // The apparatus alone (no room), as the sprite files hold them: the part
    // of the scene inside the rectangle, drawn by the scene's own function.
    static QRect liquidApparatus();
    static QRect solidApparatus();
    static void drawLiquidApparatus(QPainter& painter, const LiquidDensityScene& scene);
    static void drawSolidApparatus(QPainter& painter, const SolidDensityScene& scene);
    // A body (1 to 3) filling a picture of kBodySize.
    static void drawBody(QPainter& painter, QSize size, int body);

    // The inside of each cylinder and the height of a level in it.
    static QRectF liquidGlass();
    static QRectF solidGlass();
    static qreal liquidLevelY(int ml);
    static qreal solidLevelY(int ml);
    // Where the body is drawn at a drop.
    static QRectF solidBodyRect(double bodyDrop);
};

} // namespace orbeta
