// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "look/scenes/CircuitScenePainter.h"

#include "look/scenes/LabScene.h"
#include "look/basics/Layout.h"
#include "look/basics/Palette.h"
#include "look/basics/Typeface.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orbeta {
namespace {

constexpr QRectF kBoard{6, 6, 176, 240};
constexpr int kBoxLeft = 226;
const QColor kWire(30, 36, 52);

enum class Part { Cell, Mains, Switch, Resistor, Appliance, Heater, Meter };

// One symbol of a diagram, centred on a wire; `vertical` when its wire runs up and down.
struct Symbol {
    Part part;
    QPointF centre;
    bool vertical = false;
    QString name;  // the meter's letter and index, the resistor's symbol
};

struct Diagram {
    std::vector<QPolygonF> wires;
    std::vector<Symbol> symbols;
};

Symbol at(Part part, QPointF centre, bool vertical = false, const QString& name = QString())
{
    return Symbol{part, centre, vertical, name};
}

QPolygonF line(std::initializer_list<QPointF> points)
{
    return QPolygonF(QList<QPointF>(points));
}

Diagram diagramOf(CircuitKind kind)
{
    switch (kind) {
    case CircuitKind::OhmsLaw:
    case CircuitKind::Power:
        return {{line({{30, 40}, {150, 40}, {150, 150}, {30, 150}, {30, 40}}),
                 line({{58, 150}, {58, 205}, {132, 205}, {132, 150}})},
                {at(Part::Cell, {60, 40}),
                 at(Part::Switch, {104, 40}),
                 at(Part::Meter, {150, 95}, true, QStringLiteral("A")),
                 at(kind == CircuitKind::Power ? Part::Appliance : Part::Resistor, {95, 150}, false,
                  kind == CircuitKind::Power ? QStringLiteral("P") : QStringLiteral("R")),
                 at(Part::Meter, {95, 205}, false, QStringLiteral("V"))}};
    case CircuitKind::Energy:
        return {{line({{30, 50}, {160, 50}, {160, 170}, {30, 170}, {30, 50}})},
                {at(Part::Mains, {30, 110}, true),
                 at(Part::Switch, {95, 50}),
                 at(Part::Heater, {95, 170}, false, QStringLiteral("P"))}};
    case CircuitKind::Series:
        return {{line({{12, 36}, {176, 36}, {176, 130}, {12, 130}, {12, 36}}),
                 line({{16, 130}, {16, 196}, {84, 196}, {84, 130}}),
                 line({{101, 130}, {101, 196}, {169, 196}, {169, 130}})},
                {at(Part::Cell, {36, 36}),
                 at(Part::Switch, {80, 36}),
                 at(Part::Meter, {140, 36}, false, QStringLiteral("A")),
                 at(Part::Resistor, {50, 130}, false, QStringLiteral("R₁")),
                 at(Part::Resistor, {135, 130}, false, QStringLiteral("R₂")),
                 at(Part::Meter, {50, 196}, false, QStringLiteral("V₁")),
                 at(Part::Meter, {135, 196}, false, QStringLiteral("V₂"))}};
    case CircuitKind::Parallel:
        return {{line({{20, 140}, {20, 32}, {165, 32}, {165, 140}}), line({{20, 86}, {165, 86}}),
                 line({{20, 140}, {165, 140}}), line({{20, 140}, {20, 205}, {165, 205}, {165, 140}})},
                {at(Part::Cell, {40, 32}),
                 at(Part::Switch, {78, 32}),
                 at(Part::Meter, {132, 32}, false, QStringLiteral("A")),
                 at(Part::Resistor, {65, 86}, false, QStringLiteral("R₁")),
                 at(Part::Meter, {132, 86}, false, QStringLiteral("A₁")),
                 at(Part::Resistor, {65, 140}, false, QStringLiteral("R₂")),
                 at(Part::Meter, {132, 140}, false, QStringLiteral("A₂")),
                 at(Part::Meter, {92, 205}, false, QStringLiteral("V"))}};
    }
    return {};
}

// The meters of a diagram in the order of CircuitScene::meters.
std::vector<int> meterOrder(CircuitKind kind)
{
    // Symbol indices of the meters.
    switch (kind) {
    case CircuitKind::OhmsLaw:
    case CircuitKind::Power: return {2, 4};
    case CircuitKind::Series: return {2, 5, 6};
    case CircuitKind::Parallel: return {4, 6, 2, 7};
    case CircuitKind::Energy: break;
    }
    return {};
}

std::vector<int> labelOrder(CircuitKind kind)
{
    switch (kind) {
    case CircuitKind::OhmsLaw:
    case CircuitKind::Power: return {3};
    case CircuitKind::Series: return {3, 4};
    case CircuitKind::Parallel: return {3, 5};
    case CircuitKind::Energy: break;
    }
    return {};
}

// The length of a symbol along its wire: the wire is left out there.
qreal gapOf(Part part)
{
    switch (part) {
    case Part::Cell: return 10;
    case Part::Mains: return 30;
    case Part::Switch: return 30;
    case Part::Resistor: return 40;
    case Part::Appliance: return 26;
    case Part::Heater: return 46;
    case Part::Meter: return 0; // its face covers the wire
    }
    return 0;
}

void drawWires(QPainter& p, const Diagram& d)
{
    p.setPen(QPen(kWire, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    for (const QPolygonF& wire : d.wires)
        p.drawPolyline(wire);
    // The wire is cut where a symbol stands.
    for (const Symbol& s : d.symbols) {
        const qreal half = gapOf(s.part) / 2;
        const QRectF gap = s.vertical ? QRectF(s.centre.x() - 3, s.centre.y() - half, 6, 2 * half)
                                      : QRectF(s.centre.x() - half, s.centre.y() - 3, 2 * half, 6);
        p.fillRect(gap, Qt::white);
    }
    // Junctions where a branch leaves a wire.
    p.setPen(Qt::NoPen);
    p.setBrush(kWire);
    for (std::size_t w = 1; w < d.wires.size(); ++w)
        for (const QPointF end : {d.wires[w].first(), d.wires[w].last()})
            p.drawEllipse(end, 3, 3);
}

// Draws in the symbol's own frame: the wire along x, centre at the origin.
void drawSymbol(QPainter& p, const Symbol& s, double closed)
{
    p.save();
    p.translate(s.centre);
    if (s.vertical)
        p.rotate(90);
    const QPen pen(kWire, 2, Qt::SolidLine, Qt::RoundCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    switch (s.part) {
    case Part::Cell:
        // The long thin plate is +, the short thick one −.
        p.drawLine(QPointF(-5, -14), QPointF(-5, 14));
        p.setPen(QPen(kWire, 5, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(5, -7), QPointF(5, 7));
        break;
    case Part::Mains:
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(0, 0), 15, 15);
        p.drawArc(QRectF(-10, -5, 10, 10), 0, 180 * 16);
        p.drawArc(QRectF(0, -5, 10, 10), 180 * 16, 180 * 16);
        break;
    case Part::Switch: {
        p.setBrush(kWire);
        p.drawEllipse(QPointF(-15, 0), 2.5, 2.5);
        p.drawEllipse(QPointF(15, 0), 2.5, 2.5);
        const double angle = (1 - std::clamp(closed, 0.0, 1.0)) * 30 * std::numbers::pi / 180;
        p.drawLine(QPointF(-15, 0), QPointF(-15 + 30 * std::cos(angle), -30 * std::sin(angle)));
        break;
    }
    case Part::Resistor:
        p.setBrush(Qt::white);
        p.drawRect(QRectF(-20, -7, 40, 14));
        break;
    case Part::Appliance:
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(0, 0), 13, 13);
        p.drawLine(QPointF(-9, -9), QPointF(9, 9));
        p.drawLine(QPointF(-9, 9), QPointF(9, -9));
        break;
    case Part::Heater: {
        // The appliance of "5b" heats: its coil glows while the switch is closed.
        const double glow = std::clamp(closed, 0.0, 1.0);
        const QColor cold(Qt::white);
        const QColor hot(255, 150, 60);
        p.setBrush(QColor::fromRgbF(cold.redF() + (hot.redF() - cold.redF()) * glow,
                                    cold.greenF() + (hot.greenF() - cold.greenF()) * glow,
                                    cold.blueF() + (hot.blueF() - cold.blueF()) * glow));
        p.drawRect(QRectF(-23, -9, 46, 18));
        QPainterPath coil;
        coil.moveTo(-18, 0);
        for (int k = 0; k < 6; ++k)
            coil.lineTo(-15 + 6 * k, k % 2 == 0 ? -5 : 5);
        coil.lineTo(18, 0);
        p.setPen(QPen(glow > 0 ? QColor(200, 40, 20) : kWire, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(coil);
        break;
    }
    case Part::Meter: break;
    }
    p.restore();
}

QString numberText(double value)
{
    return QString::number(value, 'f', std::abs(value - std::round(value)) < 1e-6 ? 0 : 1)
        .replace(QLatin1Char('.'), QLatin1Char(','));
}

// A panel meter: 0 and the full scale at the ends of the scale's arc, its
// letter in the middle, the needle from the pivot at `fraction` of the full
// scale, or a "?" tag beside the pivot. The sprite's meters have no numbers.
void drawMeter(QPainter& p, const Symbol& s, std::optional<double> fraction, std::optional<double> fullScale)
{
    const QSizeF size = CircuitScenePainter::kMeterSize;
    const QRectF face(s.centre - QPointF(size.width() / 2, size.height() / 2), size);
    p.save();
    p.setPen(QPen(kWire, 2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(face, 5, 5);
    const QPointF pivot(face.center().x(), face.bottom() - 7);
    constexpr qreal kArc = 22;
    p.setPen(QPen(Palette::ink(), 1));
    p.drawArc(QRectF(pivot.x() - kArc, pivot.y() - kArc, 2 * kArc, 2 * kArc), 30 * 16, 120 * 16);
    for (int k = 0; k <= 4; ++k) {
        const double a = (150 - 30 * k) * std::numbers::pi / 180;
        const QPointF dir(std::cos(a), -std::sin(a));
        p.drawLine(pivot + dir * (kArc - 3), pivot + dir * kArc);
    }
    const QRectF top(face.left() + 3, face.top() + 2, face.width() - 6, 13);
    p.setFont(Typeface::font(Typeface::kMinTextPx, true));
    p.setPen(Palette::ink());
    p.drawText(QRectF(pivot.x() - 12, pivot.y() - 21, 24, 13), Qt::AlignCenter, s.name);
    if (fullScale) {
        p.setFont(Typeface::font(Typeface::kMinTextPx));
        p.drawText(top, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("0"));
        p.drawText(top, Qt::AlignRight | Qt::AlignVCenter, numberText(*fullScale));
    }
    if (fraction) {
        const double a = (150 - 120 * std::clamp(*fraction, 0.0, 1.0)) * std::numbers::pi / 180;
        p.setPen(QPen(Palette::mark(), 1.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(pivot, pivot + QPointF(std::cos(a), -std::sin(a)) * (kArc - 1));
        p.setPen(Qt::NoPen);
        p.setBrush(kWire);
        p.drawEllipse(pivot, 2, 2);
    } else {
        LabScene::drawQuestionTag(p, QRectF(pivot.x() + 9, pivot.y() - 14, 16, 14));
    }
    p.restore();
}

void drawLabel(QPainter& p, const Symbol& s, const CircuitLabel& label)
{
    const QString unit = s.name.startsWith(QLatin1Char('P')) ? QStringLiteral("W") : QStringLiteral("Ω");
    const QString text = s.name + QStringLiteral(" = ") + (label.value ? numberText(*label.value) + QLatin1Char(' ') + unit
                                                                       : QStringLiteral("?"));
    p.save();
    p.setFont(Typeface::font(13, true));
    p.setPen(Palette::ink());
    const qreal above = s.part == Part::Appliance ? 16 : 10;
    p.drawText(QRectF(s.centre.x() - 45, s.centre.y() - above - 17, 90, 16), Qt::AlignCenter, text);
    p.restore();
}

struct BoxPlace {
    int box;
    QPoint at;
    const char* legend;
};

std::vector<BoxPlace> boxesOf(CircuitKind kind)
{
    switch (kind) {
    case CircuitKind::OhmsLaw:
        return {{1, {kBoxLeft, 83}, "I ="}, {2, {kBoxLeft, 138}, "R ="}, {3, {kBoxLeft, 193}, "U ="}};
    case CircuitKind::Power:
        return {{1, {kBoxLeft, 83}, "I ="}, {2, {kBoxLeft, 138}, "P ="}, {3, {kBoxLeft, 193}, "U ="}};
    case CircuitKind::Energy: return {{1, {214, 206}, "E ="}};
    case CircuitKind::Series:
        return {{1, {kBoxLeft, 18}, "I ="},
                {2, {kBoxLeft, 62}, "R₁ ="},
                {3, {kBoxLeft, 106}, "R₂ ="},
                {4, {kBoxLeft, 158}, "U₁ ="},
                {5, {kBoxLeft, 202}, "U₂ ="}};
    case CircuitKind::Parallel:
        return {{1, {kBoxLeft, 8}, "R₁ ="},  {2, {kBoxLeft, 48}, "R₂ ="},  {3, {kBoxLeft, 88}, "U ="},
                {4, {kBoxLeft, 128}, "I₁ ="}, {5, {kBoxLeft, 168}, "I₂ ="}, {6, {kBoxLeft, 208}, "I ="}};
    }
    return {};
}

constexpr QRectF kPlate{186, 8, 124, 88};
constexpr QRectF kClock{186, 106, 124, 62};

void drawPanel(QPainter& p, const QRectF& panel)
{
    p.setPen(QPen(Palette::panelEdge(), 1.5));
    p.setBrush(Palette::panel());
    p.drawRoundedRect(panel, 7, 7);
}

void drawEnergyPanels(QPainter& p)
{
    drawPanel(p, kPlate);
    drawPanel(p, kClock);
    p.setFont(Typeface::font(14, true));
    p.setPen(Palette::ink());
    const int w = Layout::kTimeBox.width();
    const int h = Layout::kTimeBox.height();
    const auto plate = CircuitScenePainter::plateBoxes();
    const int plateW = CircuitScenePainter::kPlateBox.width();
    p.drawText(QRectF(plate[0].x() + plateW + 4, plate[0].y(), 20, h), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("V"));
    p.drawText(QRectF(plate[1].x() + plateW + 4, plate[1].y(), 20, h), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("W"));
    const auto clock = CircuitScenePainter::clockBoxes();
    p.drawText(QRectF(clock[0].x() + w + 2, clock[0].y(), 14, h), Qt::AlignCenter, QStringLiteral("h"));
    p.drawText(QRectF(clock[1].x() + w + 3, clock[1].y(), 30, h), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("min"));
}

} // namespace

QRect CircuitScenePainter::diagramRect()
{
    return kBoard.toRect();
}

std::vector<QPointF> CircuitScenePainter::meterCentres(CircuitKind kind)
{
    const Diagram d = diagramOf(kind);
    std::vector<QPointF> centres;
    for (int i : meterOrder(kind))
        centres.push_back(d.symbols[std::size_t(i)].centre);
    return centres;
}

std::optional<QPoint> CircuitScenePainter::box(CircuitKind kind, int i)
{
    for (const BoxPlace& place : boxesOf(kind))
        if (place.box == i)
            return place.at;
    return std::nullopt;
}

std::array<QPoint, 2> CircuitScenePainter::plateBoxes()
{
    return {QPoint(200, 32), QPoint(200, 62)};
}

std::array<QPoint, 2> CircuitScenePainter::clockBoxes()
{
    return {QPoint(192, 134), QPoint(242, 134)};
}

QPoint CircuitScenePainter::plateCaption()
{
    return QPoint(192, 10);
}

QPoint CircuitScenePainter::clockCaption()
{
    return QPoint(192, 110);
}

void CircuitScenePainter::drawDiagram(QPainter& p, CircuitKind kind)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Palette::panelEdge(), 1.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(kBoard, 8, 8);
    const Diagram d = diagramOf(kind);
    drawWires(p, d);
    for (const Symbol& s : d.symbols) {
        if (s.part == Part::Meter)
            drawMeter(p, s, 0.0, std::nullopt);
        else
            drawSymbol(p, s, 0);
    }
    p.restore();
}

void CircuitScenePainter::drawScene(QPainter& p, const CircuitScene& scene)
{
    LabScene::drawRoom(p, Layout::kCalcScene.height());
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Palette::panelEdge(), 1.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(kBoard, 8, 8);
    const Diagram d = diagramOf(scene.kind);
    drawWires(p, d);
    const std::vector<int> meters = meterOrder(scene.kind);
    const std::vector<int> labels = labelOrder(scene.kind);
    for (std::size_t i = 0; i < d.symbols.size(); ++i) {
        const Symbol& s = d.symbols[i];
        const auto meter = std::find(meters.begin(), meters.end(), int(i));
        if (meter == meters.end()) {
            drawSymbol(p, s, scene.switchClosed);
            const auto label = std::find(labels.begin(), labels.end(), int(i));
            const std::size_t k = std::size_t(label - labels.begin());
            if (label != labels.end() && k < scene.labels.size())
                drawLabel(p, s, scene.labels[k]);
            continue;
        }
        const std::size_t k = std::size_t(meter - meters.begin());
        const CircuitMeter reading = k < scene.meters.size() ? scene.meters[k] : CircuitMeter{};
        std::optional<double> fraction;
        if (reading.value)
            fraction = *reading.value / reading.fullScale * scene.reached;
        drawMeter(p, s, fraction, reading.fullScale);
    }
    if (scene.kind == CircuitKind::Energy) {
        const QPointF appliance = d.symbols[2].centre;
        LabScene::drawCaption(p, QRectF(appliance.x() - 60, appliance.y() + 14, 120, 16),
                              QStringLiteral("spotrebič"));
        const QPointF mains = d.symbols[0].centre;
        LabScene::drawCaption(p, QRectF(mains.x() + 18, mains.y() - 8, 60, 16), QStringLiteral("230 V"));
        drawEnergyPanels(p);
    }
    p.restore();
    for (const BoxPlace& place : boxesOf(scene.kind))
        LabScene::drawLegend(p, place.at, QString::fromUtf8(place.legend));
}

} // namespace orbeta
