// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QSizeF>
#include <QString>

#include <array>
#include <optional>
#include <vector>

class QPainter;

namespace orbeta {

// The five circuits of the electric tasks.
enum class CircuitKind {
    OhmsLaw,    // "5a": cell, switch, ammeter, resistor with a voltmeter across it
    Energy,     // "5b": the mains, switch, appliance; a plate and a clock beside it
    Power,      // "5c": as "5a" with an appliance for the resistor
    Series,     // "5d": two resistors in series, a voltmeter across each
    Parallel,   // "5e": two resistors side by side, an ammeter in each branch and one in the main line
};

// One meter of a circuit: its reading, none when the pupil must find it
// (the meter shows a "?" instead of its needle), and the full scale its dial
// is numbered for.
struct CircuitMeter {
    std::optional<double> value;
    double fullScale = 1;
};

// A resistor's or appliance's label: its value, none when asked ("?").
struct CircuitLabel {
    std::optional<double> value;
};

// What a circuit scene shows at one frame of its experiment.
struct CircuitScene {
    CircuitKind kind = CircuitKind::OhmsLaw;
    double switchClosed = 0;          // 0 open, 1 closed
    double reached = 0;               // the needles from rest (0) to their readings (1)
    // The meters in the order of the kind: "5a", "5c" A, V; "5d" A, V₁, V₂;
    // "5e" A₁, A₂, A, V. None for "5b".
    std::vector<CircuitMeter> meters;
    // The resistors ("5a" R; "5d", "5e" R₁, R₂) or the appliance ("5c" P).
    std::vector<CircuitLabel> labels;
};

// The circuit scenes of the calculation form and the sprite pictures of
// their diagrams ("Elektr5a" to "Elektr5e"), in scene pixels (LabScene::kSize),
// with the standard school symbols.
class CircuitScenePainter {
public:
    static void drawScene(QPainter& painter, const CircuitScene& scene);
    // The diagram alone, switch open, needles at rest, no labels: the sprite picture.
    static void drawDiagram(QPainter& painter, CircuitKind kind);
    static QRect diagramRect();

    // Answer box i (1 to 6) of the kind; none when the kind has no such box.
    static std::optional<QPoint> box(CircuitKind kind, int i);
    // "5b": the plate (`TStart`) and the clock (`TCil`) boxes and their captions.
    static constexpr QSize kPlateBox{52, 24};
    static std::array<QPoint, 2> plateBoxes();
    static std::array<QPoint, 2> clockBoxes();
    static QPoint plateCaption();
    static QPoint clockCaption();

    // Centre of each meter, in the order of CircuitScene::meters.
    static std::vector<QPointF> meterCentres(CircuitKind kind);
    static constexpr QSizeF kMeterSize{60, 44};
};

} // namespace orbeta
