// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/form/CalcScene.h"

#include "calc/rules/CircuitTasks.h"
#include "calc/basics/QuantityTable.h"
#include "calc/rules/TaskQuantities.h"
#include "look/scenes/CircuitScenePainter.h"
#include "look/scenes/DensityScenePainter.h"
#include "look/scenes/HeatScenePainter.h"
#include "look/scenes/LabScene.h"
#include "look/basics/Layout.h"
#include "look/scenes/LeverScenePainter.h"
#include "look/scenes/MechanicsScenePainter.h"
#include "look/scenes/MotionScenePainter.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace orbeta {
namespace {

constexpr int kLastPoint = CalcRoute::kPointCount - 1;
static_assert(kMapPictureSize == MotionScenePainter::kMapSize, "the map file's points are checked against the drawn map");

// The car on its route at `point` (0 to 40, between the route's points) and
// the direction it drives there (towards lower points on the first leg,
// higher ones on the second).
RoadMapScene carOnRoute(const NonUniformMotionValues& x, const CalcRoute& route, double point, int direction)
{
    const auto at = [&route](double p) {
        const double clamped = std::clamp(p, 0.0, double(kLastPoint));
        const int below = int(std::floor(clamped));
        const int above = std::min(below + 1, kLastPoint);
        const QPointF from(route.points[std::size_t(below)]);
        const QPointF to(route.points[std::size_t(above)]);
        return from + (to - from) * (clamped - below);
    };
    return {.startCity = x.startCity,
            .targetCity = x.targetCity,
            .car = at(point),
            .heading = at(point + direction) - at(point - direction)};
}

RoadMapScene roadMapScene(const NonUniformMotionValues& x, const ExperimentScene& frame, const CalcMap& map)
{
    const auto route = [&map](int city) -> const CalcRoute& {
        return map[std::size_t(std::clamp(city, 1, kMapCityCount) - 1)];
    };
    NonUniformMotionFrame f;
    if (const auto* shown = std::get_if<NonUniformMotionFrame>(&frame))
        f = *shown;
    const double point = std::clamp(f.point, 0.0, double(kLastPoint));
    if (f.leg == 2)
        return carOnRoute(x, route(x.targetCity), point, 1);
    return carOnRoute(x, route(x.startCity), kLastPoint - point, -1);
}

// The value of a given quantity, none when the example asks for it.
std::optional<double> givenValue(const CalcExample& e, const char* name)
{
    const Quantity& q = QuantityTable::named(TaskQuantities::of(e.task), name);
    if (q.askedIn(e))
        return std::nullopt;
    const Reading value = q.read(e.values);
    if (const int* whole = std::get_if<int>(&value))
        return *whole;
    if (const float* single = std::get_if<float>(&value))
        return double(*single);
    return std::nullopt;
}

std::optional<CircuitKind> circuitKind(CalcTask task)
{
    switch (task) {
    case CalcTask::OhmsLaw: return CircuitKind::OhmsLaw;
    case CalcTask::ElectricEnergy: return CircuitKind::Energy;
    case CalcTask::ElectricPower: return CircuitKind::Power;
    case CalcTask::SeriesResistors: return CircuitKind::Series;
    case CalcTask::ParallelResistors: return CircuitKind::Parallel;
    default: return std::nullopt;
    }
}

// The meters and labels of a circuit, in the order CircuitScene lists them.
CircuitScene circuitScene(const CalcExample& e, CircuitKind kind, const ExperimentScene& frame)
{
    CircuitScene scene{.kind = kind, .switchClosed = 0, .reached = 0, .meters = {}, .labels = {}};
    if (const auto* f = std::get_if<CircuitFrame>(&frame)) {
        scene.switchClosed = f->switchClosed;
        scene.reached = f->reached;
    }
    const auto meters = [&](std::initializer_list<const char*> names) {
        for (const char* name : names)
            scene.meters.push_back({givenValue(e, name), CircuitTasks::meterScale(e.task, name)});
    };
    const auto labels = [&](std::initializer_list<const char*> names) {
        for (const char* name : names)
            scene.labels.push_back({givenValue(e, name)});
    };
    switch (kind) {
    case CircuitKind::OhmsLaw: meters({"I", "U"}); labels({"R"}); break;
    case CircuitKind::Power: meters({"I", "U"}); labels({"P"}); break;
    case CircuitKind::Series: meters({"I", "U1", "U2"}); labels({"R1", "R2"}); break;
    case CircuitKind::Parallel: meters({"I1", "I2", "I", "U"}); labels({"R1", "R2"}); break;
    case CircuitKind::Energy: break;
    }
    return scene;
}

LeverScene leverScene(const LeverBoard& board, double tipped)
{
    LeverScene scene;
    for (int mark = -6; mark <= 6; ++mark)
        if (const int mass = board.lever()[std::size_t(mark + 6)]; mass != 0)
            scene.hanging.push_back({mark, mass});
    for (int w = 1; w <= board.looseCount(); ++w)
        if (!board.markOf(w) && board.moving() != w)
            scene.loose.push_back({board.mass(w), board.position(w)});
    if (const auto moving = board.moving(); moving && !board.markOf(*moving))
        scene.loose.push_back({board.mass(*moving), board.position(*moving)});
    scene.shownMark = board.shownMark();
    scene.keyMark = board.keyMark();
    const int left = LeftMoment(board.lever());
    const int right = RightMoment(board.lever());
    scene.tilt = tipped * (right > left ? 1 : right < left ? -1 : 0);
    return scene;
}

} // namespace

LeverPlaces CalcScene::leverPlaces()
{
    LeverPlaces places;
    for (int mark = -6; mark <= 6; ++mark)
        places.hooks[std::size_t(mark + 6)] = LeverScenePainter::hook(mark);
    for (int w = 1; w <= 3; ++w)
        places.homes[std::size_t(w - 1)] = LeverScenePainter::home(w);
    places.scene = Layout::kCalcScene.size();
    places.weight = LeverScenePainter::kWeightSize;
    return places;
}

QSize CalcScene::leverWeightSize()
{
    return LeverScenePainter::kWeightSize;
}

void CalcScene::drawLeverSolution(QPainter& painter, QSize size, const CalcExample& example, const QString& solution)
{
    const auto* x = std::get_if<LeverValues>(&example.values);
    if (!x)
        return;
    LeverScene balanced;
    for (int i = 0; i < x->count; ++i)
        balanced.hanging.push_back({x->marks[std::size_t(i)], x->weights[std::size_t(i)]});
    LeverScenePainter::drawSolution(painter, size, balanced, solution.split(QLatin1Char('\n')));
}

bool CalcScene::available(CalcTask task)
{
    switch (task) {
    case CalcTask::LiquidDensity:
    case CalcTask::SolidDensity:
    case CalcTask::UniformMotion:
    case CalcTask::NonUniformMotion:
    case CalcTask::LiquidPressure:
    case CalcTask::MechanicalWork:
    case CalcTask::WinchPower:
    case CalcTask::WinchEnergy:
    case CalcTask::Lever:
    case CalcTask::Heat:
    case CalcTask::Melting:
    case CalcTask::OhmsLaw:
    case CalcTask::ElectricEnergy:
    case CalcTask::ElectricPower:
    case CalcTask::SeriesResistors:
    case CalcTask::ParallelResistors: return true;
    default: return false;
    }
}

SceneLayout CalcScene::layout(const CalcExample& example)
{
    using Liquid = DensityScenePainter::LiquidBox;
    using Solid = DensityScenePainter::SolidBox;
    using Uniform = MotionScenePainter::UniformBox;
    SceneLayout l;
    switch (example.task) {
    case CalcTask::LiquidDensity:
        l.boxes = {DensityScenePainter::liquidBox(Liquid::EmptyMass), DensityScenePainter::liquidBox(Liquid::FullMass),
                   DensityScenePainter::liquidBox(Liquid::Volume)};
        break;
    case CalcTask::SolidDensity:
        l.boxes = {DensityScenePainter::solidBox(Solid::BodyMass), DensityScenePainter::solidBox(Solid::VolumeBefore),
                   DensityScenePainter::solidBox(Solid::VolumeAfter)};
        break;
    case CalcTask::UniformMotion:
        l.boxes = {MotionScenePainter::uniformBox(Uniform::Speed), MotionScenePainter::uniformBox(Uniform::Distance),
                   MotionScenePainter::uniformBox(Uniform::Time)};
        break;
    case CalcTask::NonUniformMotion: {
        for (int city = 1; city <= kMapCityCount; ++city)
            l.boxes[std::size_t(city - 1)] = MotionScenePainter::roadBox(city);
        const MotionScenePainter::Clock departure = MotionScenePainter::departureClock();
        const MotionScenePainter::Clock arrival = MotionScenePainter::arrivalClock();
        l.timeBoxes = true;
        l.startBoxes = departure.boxes;
        l.finishBoxes = arrival.boxes;
        l.startLabel = departure.caption;
        l.finishLabel = arrival.caption;
        l.startCaption = QStringLiteral("Odchod");
        l.finishCaption = QStringLiteral("Príchod");
        break;
    }
    case CalcTask::LiquidPressure: {
        using Press = MechanicsScenePainter::PressBox;
        l.boxes = {MechanicsScenePainter::pressBox(Press::Mass), MechanicsScenePainter::pressBox(Press::Pressure),
                   MechanicsScenePainter::pressBox(Press::Area)};
        l.movedOnStart = SceneLayout::MovedBox{3, MechanicsScenePainter::pressBox(Press::AreaWhileRunning)};
        break;
    }
    case CalcTask::MechanicalWork: {
        using Board = MechanicsScenePainter::BoardBox;
        l.boxes = {MechanicsScenePainter::boardBox(Board::Distance), MechanicsScenePainter::boardBox(Board::Force),
                   MechanicsScenePainter::boardBox(Board::Work), MechanicsScenePainter::boardBox(Board::Time)};
        break;
    }
    case CalcTask::WinchPower:
    case CalcTask::WinchEnergy:
        for (std::size_t i = 0; i < 5; ++i)
            l.boxes[i] = MechanicsScenePainter::winchBox(int(i));
        break;
    default: break;
    }
    using HeatBox = HeatScenePainter::HeatBox;
    switch (example.task) {
    case CalcTask::Heat:
    case CalcTask::Melting: {
        const auto place = example.task == CalcTask::Heat ? HeatScenePainter::heatBox : HeatScenePainter::meltingBox;
        l.boxes = {place(HeatBox::Mass), place(HeatBox::Start), place(HeatBox::End), place(HeatBox::Heat)};
        break;
    }
    default:
        if (const std::optional<CircuitKind> kind = circuitKind(example.task)) {
            for (int i = 1; i <= 6; ++i)
                if (const std::optional<QPoint> at = CircuitScenePainter::box(*kind, i))
                    l.boxes[std::size_t(i - 1)] = *at;
        }
        if (example.task == CalcTask::ElectricEnergy) {
            l.timeBoxes = true;
            l.startBoxes = CircuitScenePainter::plateBoxes();
            l.startBoxSize = CircuitScenePainter::kPlateBox;
            l.startDigits = 4;
            l.finishBoxes = CircuitScenePainter::clockBoxes();
            l.startLabel = CircuitScenePainter::plateCaption();
            l.finishLabel = CircuitScenePainter::clockCaption();
            l.startCaption = QStringLiteral("Štítok");
            l.finishCaption = QStringLiteral("Doba chodu");
        }
        break;
    }
    const std::array<QString, 6> widest = QuantityTable::widestTexts(TaskQuantities::of(example.task));
    for (std::size_t i = 0; i < l.boxes.size(); ++i) {
        l.boxWidths[i] = LabScene::answerBoxWidth(widest[i]);
        if (!example.boxes[i].used)
            l.boxes[i].reset();
    }
    return l;
}

void CalcScene::draw(QPainter& painter, const CalcExample& example, const ExperimentScene& frame, const CalcMap& map,
                     const LeverBoard* lever)
{
    painter.save();
    painter.setClipRect(QRect(QPoint(0, 0), Layout::kCalcScene.size()), Qt::IntersectClip);
    switch (example.task) {
    case CalcTask::LiquidDensity: {
        const auto& x = std::get<LiquidDensityValues>(example.values);
        LiquidDensityScene scene{.liquidMl = example.fillLevel, .volumeHidden = example.asked == 1};
        if (const auto* f = std::get_if<LiquidDensityFrame>(&frame))
            scene.liquidMl = f->liquidMl;
        // An asked volume fills a glass without a scale to a height (60 to
        // 170 ml of the usual scale) that follows the given m1, not the volume.
        if (scene.volumeHidden && x.V > 0)
            scene.liquidMl = scene.liquidMl * (60 + 10 * ((x.m1 * 7) % 12)) / x.V;
        DensityScenePainter::drawLiquidScene(painter, scene);
        break;
    }
    case CalcTask::SolidDensity: {
        const auto& x = std::get<SolidDensityValues>(example.values);
        SolidDensityScene scene{.liquidMl = example.fillLevel,
                                .bodyDrop = 0,
                                .body = x.body,
                                .volumeHidden = example.asked == 3,
                                .massBoxWidth = layout(example).boxWidths[0]};
        if (const auto* f = std::get_if<SolidDensityFrame>(&frame)) {
            scene.liquidMl = f->liquidMl;
            scene.bodyDrop = f->bodyDrop;
        }
        // An asked volume stands in a glass without a scale at a scale of its
        // own (0,6 to 1,0 of the usual one), so that its height cannot be
        // compared with the glass of another example.
        if (scene.volumeHidden)
            scene.liquidMl = scene.liquidMl * (6 + (x.V1 / 10 * 3 + x.body) % 5) / 10;
        DensityScenePainter::drawSolidScene(painter, scene);
        break;
    }
    case CalcTask::UniformMotion: {
        const auto& x = std::get<UniformMotionValues>(example.values);
        UniformMotionScene scene{.distance = x.s, .travelled = 0, .distanceHidden = example.asked == 2};
        if (const auto* f = std::get_if<UniformMotionFrame>(&frame))
            scene.travelled = f->travelled;
        MotionScenePainter::drawUniformScene(painter, scene);
        break;
    }
    case CalcTask::NonUniformMotion:
        MotionScenePainter::drawRoadMapScene(
            painter, roadMapScene(std::get<NonUniformMotionValues>(example.values), frame, map));
        break;
    case CalcTask::LiquidPressure: {
        const auto& x = std::get<LiquidPressureValues>(example.values);
        // An asked area is drawn at a middle size, so that the picture does not give it away.
        PressScene scene{
            .area = example.asked == 3 ? 5 : x.S, .lowered = 0, .pressure = 0, .pressureHidden = example.asked == 1};
        if (const auto* f = std::get_if<LiquidPressureFrame>(&frame))
            scene.lowered = f->lowered;
        // An asked pressure rises in a tube without a scale to a height that
        // follows the given area (5,5 to 9,7), not the pressure.
        const double shown = scene.pressureHidden ? 5.5 + 0.6 * ((x.S * 5) % 8) : double(x.p);
        scene.pressure = shown * scene.lowered;
        MechanicsScenePainter::drawPressScene(painter, scene);
        break;
    }
    case CalcTask::MechanicalWork: {
        const auto& x = std::get<MechanicalWorkValues>(example.values);
        BoardScene scene{.distance = x.s, .travelled = 0, .distanceHidden = example.asked == 3};
        // An asked distance is pulled along a board without a ruler at a
        // scale of its own, so that the body stops at a place (60 to 220
        // pixels up the board) that follows the given time, not the distance.
        if (scene.distanceHidden)
            scene.pxPerMetre = (60.0 + 20 * ((qRound(x.t * 10) * 7) % 9)) / x.s;
        if (const auto* f = std::get_if<MechanicalWorkFrame>(&frame))
            scene.travelled = f->travelled;
        MechanicsScenePainter::drawBoardScene(painter, scene);
        break;
    }
    case CalcTask::WinchPower:
    case CalcTask::WinchEnergy: {
        const bool energy = example.task == CalcTask::WinchEnergy;
        WinchScene scene{.height = energy ? double(std::get<WinchEnergyValues>(example.values).h)
                                          : double(std::get<WinchPowerValues>(example.values).s),
                         .lifted = 0,
                         .energy = energy};
        if (const auto* f = std::get_if<WinchFrame>(&frame))
            scene.lifted = f->lifted;
        MechanicsScenePainter::drawWinchScene(painter, scene);
        break;
    }
    case CalcTask::Lever: {
        const LeverBoard board = lever ? *lever : LeverBoard(example, leverPlaces());
        const auto* f = std::get_if<LeverFrame>(&frame);
        LeverScenePainter::drawScene(painter, leverScene(board, f ? f->tipped : 0));
        break;
    }
    case CalcTask::Heat: {
        HeatScene scene{.burning = false, .glow = 0, .temperature = double(std::get<HeatValues>(example.values).t1)};
        if (const auto* f = std::get_if<HeatFrame>(&frame))
            scene = {.burning = f->burning, .glow = f->glow, .temperature = f->temperature};
        HeatScenePainter::drawHeatScene(painter, scene);
        break;
    }
    case CalcTask::Melting: {
        MeltingScene scene{
            .burning = false, .melted = 0, .temperature = double(std::get<MeltingValues>(example.values).t1)};
        if (const auto* f = std::get_if<MeltingFrame>(&frame))
            scene = {.burning = f->burning, .melted = f->melted, .temperature = f->temperature};
        HeatScenePainter::drawMeltingScene(painter, scene);
        break;
    }
    default:
        if (const std::optional<CircuitKind> kind = circuitKind(example.task))
            CircuitScenePainter::drawScene(painter, circuitScene(example, *kind, frame));
        break;
    }
    painter.restore();
}

} // namespace orbeta
