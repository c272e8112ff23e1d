// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>

#include <array>

class QPainter;

namespace orbeta {

// "1c": a cart on a straight track with a measuring tape.
struct UniformMotionScene {
    double distance = 1;         // m, the whole run
    double travelled = 0;        // fraction of the run, 0 to 1
    bool distanceHidden = false; // the distance is asked: the tape has no numbers
};

// "1d": the road map with the car on it.
struct RoadMapScene {
    int startCity = 1;   // 1 to 4 for A to D
    int targetCity = 2;
    QPointF car;         // centre of the car, in pixels of the map picture
    QPointF heading;     // direction of travel; a null vector faces right
};

// The two motion scenes of the calculation form and the sprite pictures of
// their vehicles and map, drawn by the same functions, in scene pixels
// (LabScene::kSize) from the painter's origin.
class MotionScenePainter {
public:
    enum class UniformBox { Speed, Distance, Time };
    using Road = std::array<QPoint, 4>;  // E, two bends, the city

    static void drawUniformScene(QPainter& painter, const UniformMotionScene& scene);
    static QPoint uniformBox(UniformBox box);
    // The measuring tape under the track: ticks along its top, numbers below them.
    static QRectF tape();

    // The cart, facing right; the frames turn its wheels.
    static constexpr QSize kCartSize{60, 34};
    static constexpr int kCartFrames = 3;
    static void drawCart(QPainter& painter, QSize size, int frame);
    // The frame of the cart after driving `pixels` pixels.
    static int cartFrame(qreal pixels);

    // The map picture at kMapOrigin in the scene; the roads of cities 1 to 4
    // (A to D) in its pixels, the same polylines as the map data file.
    static constexpr QPoint kMapOrigin{4, 4};
    static constexpr QSize kMapSize{304, 190};
    static const std::array<Road, 4>& roads();
    static void drawMap(QPainter& painter, QSize size);
    static QColor asphalt() { return {148, 150, 158}; }
    static QColor land() { return {214, 232, 196}; }
    static QColor town();

    static void drawRoadMapScene(QPainter& painter, const RoadMapScene& scene);
    // The box of the road to city 1 to 4, in scene pixels.
    static QPoint roadBox(int city);
    // The departure and arrival clocks: hours and minutes boxes, caption.
    struct Clock {
        std::array<QPoint, 2> boxes;
        QPoint caption;
    };
    static Clock departureClock();
    static Clock arrivalClock();

    static constexpr QSize kCarSize{26, 14};
    static void drawCar(QPainter& painter, QSize size);
    // Points down; its tip is the middle of the bottom edge.
    static constexpr QSize kArrowSize{20, 26};
    static void drawArrow(QPainter& painter, QSize size);
};

} // namespace orbeta
