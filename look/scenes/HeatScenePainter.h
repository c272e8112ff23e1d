// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QRectF>
#include <QSize>

class QPainter;

namespace orbeta {

// "3a": the body in a dish on a tripod over the burner, the whole apparatus
// on a scale; a thermometer touches the body.
struct HeatScene {
    bool burning = false;
    int glow = 0;              // 0 to 30, dark red to glowing
    double temperature = 20;   // °C
};

// "3b": a beaker of ice on a tripod over the burner, with a thermometer.
struct MeltingScene {
    bool burning = false;
    double melted = 0;         // 0 all ice, 1 all water
    double temperature = -10;  // °C
};

// The two scenes of the burner and the sprite pictures of their apparatus,
// drawn by the same functions, in scene pixels (LabScene::kSize).
class HeatScenePainter {
public:
    // Boxes 1 to 4 of both tasks: m, t₁, t₂ (the thermometer's display), Q.
    enum class HeatBox { Mass, Start, End, Heat };

    static constexpr int kGlowFrames = 30;
    static constexpr QSize kBurnerSize{40, 64};

    static void drawHeatScene(QPainter& painter, const HeatScene& scene);
    static void drawMeltingScene(QPainter& painter, const MeltingScene& scene);
    static QPoint heatBox(HeatBox box);
    static QPoint meltingBox(HeatBox box);

    // The colour of the body after `glow` frames of heating: from
    // RGB(199, 21, 21) to RGB(255, 6, 6).
    static QColor glowColour(int glow);
    static QRectF heatBody();
    // The ice and the water inside the beaker.
    static QRectF meltingInside();
    // The top of the thermometer's column at a temperature.
    static qreal heatThermometerY(double celsius);
    static qreal meltingThermometerY(double celsius);

    // The sprite pictures: the apparatus without the burner, the body and
    // the column ("VahaKah2", "TaniVod2"), each inside its rectangle of the
    // scene; the burner out and burning ("Kahan", "KahanHor").
    static QRect heatApparatus();
    static QRect meltingApparatus();
    static void drawHeatApparatus(QPainter& painter);
    static void drawMeltingApparatus(QPainter& painter);
    static void drawBurner(QPainter& painter, QSize size, bool burning);
};

} // namespace orbeta
