// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The calculation scenes as the pupil sees them: the form's boxes fit the
// scene, before and during the run, and hide nothing that must be read, the
// map picture and its data file agree, and the levels, the body, the car, the
// tube, the load and the lever stand where the values say.
#include "calc/form/CalcScene.h"
#include "calc/experiments/DensityExperiment.h"
#include "calc/experiments/Experiment.h"
#include "calc/basics/QuantityTable.h"
#include "calc/rules/TaskQuantities.h"
#include "calc/tables/MapFile.h"
#include "look/scenes/DensityScenePainter.h"
#include "look/scenes/HeatScenePainter.h"
#include "look/scenes/LabScene.h"
#include "look/scenes/LeverScenePainter.h"
#include "look/scenes/MechanicsScenePainter.h"
#include "look/scenes/MotionScenePainter.h"
#include "look/basics/Palette.h"
#include "look/basics/PictureImage.h"
#include "look/basics/Typeface.h"
#include "tests/support/CalcTestTables.h"
#include "tests/support/FileBytes.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace orbeta;

namespace {

constexpr auto kSceneTasks = kAllCalcTasks;
constexpr std::uint64_t kSeeds = 60;  // enough for every asked variant of each task

const CalcMap& installedMap()
{
    static const CalcMap map = [] {
        Typeface::loadFonts();
        const auto result = ReadMapFile(test_support::installedData(QStringLiteral("Mapa1.dat")), QStringLiteral("Mapa1.dat"));
        EXPECT_TRUE(result.ok());
        return result.ok() ? result.value() : CalcMap{};
    }();
    return map;
}

QImage render(const CalcExample& example, const ExperimentScene& frame)
{
    return PictureImage::opaque(LabScene::kSize, [&](QPainter& p, QSize) {
        CalcScene::draw(p, example, frame, installedMap());
    });
}

// What the form puts on the scene: the boxes with their unit labels, the
// clocks with their captions (in the form's 14 pixel type); during the run
// a box that moves on the start stands where it moves to.
struct Place {
    QString what;
    QRect rect;
};

QRect textPlace(QPoint at, const QString& text, int height)
{
    return QRect(at, QSize(QFontMetrics(Typeface::font(14)).horizontalAdvance(text), height));
}

QList<Place> formPlaces(const CalcExample& e, bool running = false)
{
    SceneLayout l = CalcScene::layout(e);
    if (running && l.movedOnStart)
        l.boxes[std::size_t(l.movedOnStart->box - 1)] = l.movedOnStart->to;
    QList<Place> places;
    for (std::size_t i = 0; i < l.boxes.size(); ++i) {
        if (!l.boxes[i])
            continue;
        const QPoint box = *l.boxes[i];
        places.append({QStringLiteral("TVstup(%1)").arg(i + 1), QRect(box, Layout::kAnswerBox)});
        const QPoint unit(box.x() + Layout::kAnswerBox.width() + 7, box.y());
        places.append({QStringLiteral("LVstup(%1)").arg(i + 1), textPlace(unit, e.boxes[i].unit, 24)});
    }
    if (l.timeBoxes) {
        for (std::size_t i = 0; i < 2; ++i) {
            places.append({QStringLiteral("TStart(%1)").arg(i + 1), QRect(l.startBoxes[i], l.startBoxSize)});
            places.append({QStringLiteral("TCil(%1)").arg(i + 1), QRect(l.finishBoxes[i], Layout::kTimeBox)});
        }
        places.append({QStringLiteral("LStart"), textPlace(l.startLabel, l.startCaption, 18)});
        places.append({QStringLiteral("LCil"), textPlace(l.finishLabel, l.finishCaption, 18)});
    }
    return places;
}

QPoint onScene(QPoint mapPixel)
{
    return mapPixel + MotionScenePainter::kMapOrigin;
}

// The parts a pupil must see: the cylinder and the body, the roads, the tube
// and the piston, the board under the body's whole way, the load's whole way up.
QList<QRectF> inSight(const CalcExample& e)
{
    switch (e.task) {
    case CalcTask::LiquidDensity:
        return {DensityScenePainter::liquidGlass()};
    case CalcTask::SolidDensity:
        return {DensityScenePainter::solidGlass(), DensityScenePainter::solidBodyRect(0),
                DensityScenePainter::solidBodyRect(1)};
    case CalcTask::NonUniformMotion: {
        QList<QRectF> roads;
        for (const CalcRoute& route : installedMap())
            for (QPoint point : route.points)
                roads.append(QRectF(onScene(point), QSizeF(1, 1)));
        return roads;
    }
    case CalcTask::LiquidPressure:
        return {QRectF(MechanicsScenePainter::pressApparatus())};
    case CalcTask::MechanicalWork: {
        QList<QRectF> parts;
        BoardScene board{.distance = std::get<MechanicalWorkValues>(e.values).s};
        for (double at : {0.0, 0.5, 1.0}) {
            board.travelled = at;
            parts.append(QRectF(MechanicsScenePainter::bodyOnBoard(board) - QPointF(0, 50), QSizeF(50, 50)));
        }
        return parts;
    }
    case CalcTask::WinchPower:
    case CalcTask::WinchEnergy:
        return {QRectF(MechanicsScenePainter::winchApparatus())};
    default:
        return {};
    }
}

TEST(CalcSceneLayout, EveryBoxHasAPlaceInsideTheSceneThatOverlapsNothingBeforeAndDuringTheRun)
{
    const QRect scene(QPoint(0, 0), LabScene::kSize);
    for (CalcTask task : kSceneTasks) {
        EXPECT_TRUE(CalcScene::available(task)) << calcTaskCode(task).toStdString();
        for (std::uint64_t seed = 1; seed <= kSeeds; ++seed) {
            const CalcExample e = test::generated(task, seed);
            SCOPED_TRACE(testing::Message() << calcTaskCode(task).toStdString() << " seed " << seed);
            const SceneLayout l = CalcScene::layout(e);
            for (std::size_t i = 0; i < l.boxes.size(); ++i)
                EXPECT_EQ(l.boxes[i].has_value(), e.boxes[i].used) << "box " << i + 1;
            EXPECT_EQ(l.timeBoxes, task == CalcTask::NonUniformMotion || task == CalcTask::ElectricEnergy);
            const QList<QRectF> parts = inSight(e);
            for (bool running : {false, true}) {
                const QList<Place> places = formPlaces(e, running);
                for (qsizetype a = 0; a < places.size(); ++a) {
                    EXPECT_TRUE(scene.contains(places[a].rect)) << places[a].what.toStdString();
                    for (const QRectF& part : parts)
                        EXPECT_FALSE(QRectF(places[a].rect).intersects(part)) << places[a].what.toStdString();
                    for (qsizetype b = a + 1; b < places.size(); ++b)
                        EXPECT_FALSE(places[a].rect.intersects(places[b].rect))
                            << places[a].what.toStdString() << " and " << places[b].what.toStdString();
                }
            }
        }
    }
}

// The map data file drives the car; the map picture shows the roads. Every
// route point must lie on the asphalt, the ends on the markers of E and the city.
TEST(RoadMap, EveryRoutePointOfTheDataFileLiesOnItsRoadOfTheMapPicture)
{
    const QImage picture = PictureImage::opaque(MotionScenePainter::kMapSize, MotionScenePainter::drawMap);
    const CalcMap& map = installedMap();
    const QPoint junction = map[0].points[0];
    for (const CalcRoute& route : map) {
        const QPoint city = route.points[CalcRoute::kPointCount - 1];
        EXPECT_EQ(picture.pixelColor(junction), MotionScenePainter::town());
        EXPECT_EQ(picture.pixelColor(city), MotionScenePainter::town()) << route.name.toStdString();
        for (int i = 1; i < CalcRoute::kPointCount - 1; ++i) {
            const QPoint p = route.points[std::size_t(i)];
            // Close to a town the marker covers the road.
            const auto near = [p](QPoint town) { return (p - town).manhattanLength() <= 12; };
            if (near(junction) || near(city))
                continue;
            EXPECT_EQ(picture.pixelColor(p), MotionScenePainter::asphalt())
                << route.name.toStdString() << " point " << i << " at " << p.x() << "," << p.y();
        }
    }
}

TEST(RoadMap, TheCarDrivesFromTheStartCityThroughTheJunctionToTheTarget)
{
    for (std::uint64_t seed = 1; seed <= 12; ++seed) {
        const CalcExample e = test::generated(CalcTask::NonUniformMotion, seed);
        const auto& x = std::get<NonUniformMotionValues>(e.values);
        const CalcMap& map = installedMap();
        const auto end = [&map](int city) { return map[std::size_t(city - 1)].points[CalcRoute::kPointCount - 1]; };
        struct Stop {
            NonUniformMotionFrame frame;
            QPoint at;
        };
        for (const Stop& stop : {Stop{{1, 0}, end(x.startCity)}, Stop{{1, 40}, map[0].points[0]},
                                 Stop{{2, 40}, end(x.targetCity)}}) {
            const QImage scene = render(e, stop.frame);
            EXPECT_EQ(scene.pixelColor(onScene(stop.at)), Palette::gold())
                << "seed " << seed << " leg " << stop.frame.leg << " point " << stop.frame.point;
        }
    }
}

// Counting the ticks from the bottom to the surface gives the volume: the
// level of every 10 ml stands on its own tick.
TEST(DensityScenes, TheLiquidSurfaceStandsOnTheTickOfItsVolume)
{
    const QColor glass = render(test::generated(CalcTask::LiquidDensity, 1), LiquidDensityFrame{0})
                             .pixelColor(DensityScenePainter::liquidGlass().center().toPoint());
    for (const auto& [task, ml] : {std::pair{CalcTask::LiquidDensity, 50}, {CalcTask::LiquidDensity, 120},
                                   {CalcTask::LiquidDensity, 190}, {CalcTask::SolidDensity, 50},
                                   {CalcTask::SolidDensity, 90}, {CalcTask::SolidDensity, 190}}) {
        SCOPED_TRACE(testing::Message() << calcTaskCode(task).toStdString() << ' ' << ml << " ml");
        const CalcExample e = test::generated(task, 1);
        const bool liquid = task == CalcTask::LiquidDensity;
        const QImage scene = liquid ? render(e, LiquidDensityFrame{ml}) : render(e, SolidDensityFrame{ml, 0});
        const QRectF cylinder = liquid ? DensityScenePainter::liquidGlass() : DensityScenePainter::solidGlass();
        // A column right of the scale and the unit, left of the gleam.
        const int column = int(cylinder.left()) + 47;
        const int bottom = int(cylinder.bottom()) - 1;
        int surface = bottom;
        while (surface > cylinder.top() && scene.pixelColor(column, surface - 1) != glass)
            --surface;
        ASSERT_LT(surface, bottom);
        const int tickColumn = int(cylinder.left()) + 2;
        EXPECT_EQ(scene.pixelColor(tickColumn, surface), Palette::ink());
        int ticks = 0;
        for (int y = surface; y <= bottom; ++y)
            ticks += scene.pixelColor(tickColumn, y) == Palette::ink();
        EXPECT_EQ(ticks, ml / 10);
    }
}

TEST(DensityScenes, TheBodyHangsAboveTheCylinderTouchesTheLiquidAndEndsUnderIt)
{
    // The frames and the drawing agree on where the body starts.
    EXPECT_EQ(DensityExperiment::kHangingMl, DensityScenePainter::kHangingMl);
    const QRectF glass = DensityScenePainter::solidGlass();
    EXPECT_LT(DensityScenePainter::solidBodyRect(0).bottom(), glass.top());
    for (int v1 = 50; v1 <= 90; v1 += 10) {
        for (int vt = 50; v1 + vt < 200; vt += 10) {
            // The frames lower the body's bottom linearly from the hanging mark to the bottom.
            const double touching = double(DensityScenePainter::kHangingMl - v1) / DensityScenePainter::kHangingMl;
            EXPECT_NEAR(DensityScenePainter::solidBodyRect(touching).bottom(), DensityScenePainter::solidLevelY(v1),
                        0.01);
            EXPECT_GT(DensityScenePainter::solidBodyRect(1).top(), DensityScenePainter::solidLevelY(v1 + vt))
                << v1 << " + " << vt << " ml";
        }
    }
}

// Neither numbers nor ticks: a pupil cannot count the asked volume off the
// glass or the asked distance off the tape.
TEST(CalcScene, AnAskedVolumeOrDistanceLeavesItsScaleWithoutNumbersOrTicks)
{
    const auto glassScale = [](QRectF glass, qreal markY, qreal topMarkY) {
        // The number of a mark left of the glass; the ticks in its first 20 pixels.
        return std::pair{QRect(int(glass.left()) - 40, int(markY) - 6, 34, 13),
                         QRect(QPoint(int(glass.left()), int(topMarkY) - 1), QPoint(int(glass.left()) + 19, int(glass.bottom())))};
    };
    const QRectF tape = MotionScenePainter::tape();
    struct Case {
        CalcTask task;
        int hidingVariant;
        ExperimentScene frame;
        std::pair<QRect, QRect> numbersAndTicks;
    };
    const Case cases[] = {
        {CalcTask::LiquidDensity, 1, std::monostate{},
         glassScale(DensityScenePainter::liquidGlass(), DensityScenePainter::liquidLevelY(150),
                    DensityScenePainter::liquidLevelY(DensityScenePainter::kScaleMl))},
        {CalcTask::SolidDensity, 3, std::monostate{},
         glassScale(DensityScenePainter::solidGlass(), DensityScenePainter::solidLevelY(150),
                    DensityScenePainter::solidLevelY(DensityScenePainter::kScaleMl))},
        {CalcTask::UniformMotion, 2, UniformMotionFrame{0.5},
         {QRectF(tape.left(), tape.top() + 9, tape.width(), tape.height() - 9).toRect(),
          QRectF(tape.left(), tape.top(), tape.width(), 8).toRect()}},
    };
    for (const Case& c : cases) {
        for (int variant = 1; variant <= 3; ++variant) {
            SCOPED_TRACE(testing::Message() << calcTaskCode(c.task).toStdString() << " variant " << variant);
            CalcExample e = test::generated(c.task, 1);
            e.asked = variant;
            const QImage scene = render(e, c.frame);
            const auto inkIn = [&scene](const QRect& area) {
                int ink = 0;
                for (int y = area.top(); y <= area.bottom(); ++y)
                    for (int x = area.left(); x <= area.right(); ++x)
                        ink += scene.pixelColor(x, y) == Palette::ink();
                return ink;
            };
            const int numbers = inkIn(c.numbersAndTicks.first);
            const int ticks = inkIn(c.numbersAndTicks.second);
            if (variant == c.hidingVariant) {
                EXPECT_EQ(numbers, 0);
                EXPECT_EQ(ticks, 0);
            } else {
                EXPECT_GT(numbers, 10);
                EXPECT_GT(ticks, 20);
            }
        }
    }
}

// A pupil who ignores the numbers and reads the asked value off the picture
// (the level against the usual scale, the place the body stops) learns
// nothing: the same finished picture comes with different answers.
TEST(CalcScene, AnAskedValueCannotBeReadOffTheFinishedPicture)
{
    struct Case {
        CalcTask task;
        int asked;
        ExperimentScene (*finished)(const CalcExample&);
        double (*answer)(const CalcExample&);
    };
    const Case cases[] = {
        {CalcTask::LiquidDensity, 1,
         [](const CalcExample& e) -> ExperimentScene { return LiquidDensityFrame{std::get<LiquidDensityValues>(e.values).V}; },
         [](const CalcExample& e) { return double(std::get<LiquidDensityValues>(e.values).V); }},
        {CalcTask::LiquidPressure, 1, [](const CalcExample&) -> ExperimentScene { return LiquidPressureFrame{1}; },
         [](const CalcExample& e) { return double(std::get<LiquidPressureValues>(e.values).p); }},
        {CalcTask::MechanicalWork, 3, [](const CalcExample&) -> ExperimentScene { return MechanicalWorkFrame{1}; },
         [](const CalcExample& e) { return double(std::get<MechanicalWorkValues>(e.values).s); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(calcTaskCode(c.task).toStdString());
        std::map<QByteArray, std::set<double>> answersOf;
        std::vector<std::pair<QByteArray, double>> seen;
        for (std::uint64_t seed = 0; seed < 300; ++seed) {
            const CalcExample e = test::generated(c.task, seed);
            if (e.asked != c.asked)
                continue;
            const QImage picture = render(e, c.finished(e));
            const QByteArray bytes(reinterpret_cast<const char*>(picture.constBits()), picture.sizeInBytes());
            answersOf[bytes].insert(c.answer(e));
            seen.emplace_back(bytes, c.answer(e));
        }
        ASSERT_GT(seen.size(), 40u);
        std::size_t ambiguous = 0;
        for (const auto& [bytes, answer] : seen)
            ambiguous += answersOf[bytes].size() > 1;
        EXPECT_GT(ambiguous, seen.size() * 3 / 4);
    }
}

// "5b": the heating coil glows while the switch is closed, and only then.
TEST(CircuitScenes, TheApplianceOf5bGlowsWhileSwitchedOn)
{
    const CalcExample e = test::generated(CalcTask::ElectricEnergy, 1);
    const auto warm = [&e](double closed) {
        const QImage scene = render(e, CircuitFrame{closed, 0, 0});
        int glowing = 0;
        for (int y = 162; y <= 178; ++y)
            for (int x = 74; x <= 116; ++x) {
                const QColor c = scene.pixelColor(x, y);
                glowing += c.red() > 230 && c.green() > 120 && c.green() < 180 && c.blue() < 100;
            }
        return glowing;
    };
    EXPECT_EQ(warm(0), 0);
    EXPECT_GT(warm(1), 200);
}

TEST(CalcScene, DrawsEveryFrameKindAtTheExtremesWithoutLeavingTheScene)
{
    const QList<std::pair<CalcTask, ExperimentScene>> frames{
        {CalcTask::LiquidDensity, LiquidDensityFrame{50}},
        {CalcTask::LiquidDensity, LiquidDensityFrame{190}},
        {CalcTask::SolidDensity, SolidDensityFrame{50, 0}},
        {CalcTask::SolidDensity, SolidDensityFrame{199, 1}},
        {CalcTask::UniformMotion, UniformMotionFrame{0}},
        {CalcTask::UniformMotion, UniformMotionFrame{1}},
        {CalcTask::NonUniformMotion, NonUniformMotionFrame{1, 0}},
        {CalcTask::NonUniformMotion, NonUniformMotionFrame{2, 40}},
        // A frame of another task or none at all shows the example as generated.
        {CalcTask::NonUniformMotion, LiquidDensityFrame{100}},
        {CalcTask::SolidDensity, std::monostate{}},
        {CalcTask::Heat, HeatFrame{true, 30, 200}},
        {CalcTask::Melting, MeltingFrame{true, 1, 20}},
        {CalcTask::Melting, MeltingFrame{false, 0, -15}},
        {CalcTask::ParallelResistors, CircuitFrame{1, 1, 0}},
        {CalcTask::ElectricEnergy, CircuitFrame{1, 1, 100}},
    };
    for (const auto& [task, frame] : frames) {
        const CalcExample e = test::generated(task, 3);
        // Drawn into a larger picture, the scene paints only its own rectangle.
        QImage image(LabScene::kSize + QSize(20, 20), QImage::Format_RGB32);
        image.fill(Qt::black);
        {
            QPainter p(&image);
            CalcScene::draw(p, e, frame, installedMap());
        }
        EXPECT_EQ(image.pixelColor(LabScene::kSize.width() + 5, 5), QColor(Qt::black));
        EXPECT_EQ(image.pixelColor(5, LabScene::kSize.height() + 5), QColor(Qt::black));
        EXPECT_NE(image.pixelColor(LabScene::kSize.width() - 1, LabScene::kSize.height() - 1), QColor(Qt::black));
    }
}

} // namespace

// -- The burner and the circuits: every quantity the pupil is given can be
// read, in a box, on the plate or the clock, in the table or in the picture;
// an asked one never shows in the picture.

namespace {

template <auto member>
void changed(ExampleValues& values)
{
    using Values = typename detail::MemberOf<decltype(member)>::Class;
    auto& field = std::get<Values>(values).*member;
    field = static_cast<std::remove_reference_t<decltype(field)>>(field * 2 + 1);
}

struct Changeable {
    CalcTask task;
    const char* name;
    void (*change)(ExampleValues&);
};

const Changeable kChangeable[] = {
    {CalcTask::Heat, "t1", changed<&HeatValues::t1>},
    {CalcTask::Heat, "t2", changed<&HeatValues::t2>},
    {CalcTask::Melting, "t1", changed<&MeltingValues::t1>},
    {CalcTask::Melting, "t2", changed<&MeltingValues::t2>},
    {CalcTask::OhmsLaw, "R", changed<&OhmsLawValues::R>},
    {CalcTask::OhmsLaw, "I", changed<&OhmsLawValues::I>},
    {CalcTask::OhmsLaw, "U", changed<&OhmsLawValues::U>},
    {CalcTask::ElectricPower, "P", changed<&ElectricPowerValues::P>},
    {CalcTask::ElectricPower, "I", changed<&ElectricPowerValues::I>},
    {CalcTask::ElectricPower, "U", changed<&ElectricPowerValues::U>},
    {CalcTask::SeriesResistors, "R1", changed<&SeriesResistorsValues::R1>},
    {CalcTask::SeriesResistors, "R2", changed<&SeriesResistorsValues::R2>},
    {CalcTask::SeriesResistors, "I", changed<&SeriesResistorsValues::I>},
    {CalcTask::SeriesResistors, "U1", changed<&SeriesResistorsValues::U1>},
    {CalcTask::ParallelResistors, "R1", changed<&ParallelResistorsValues::R1>},
    {CalcTask::ParallelResistors, "I", changed<&ParallelResistorsValues::I>},
    {CalcTask::ParallelResistors, "I2", changed<&ParallelResistorsValues::I2>},
    {CalcTask::ParallelResistors, "U", changed<&ParallelResistorsValues::U>},
};

// The picture at the first and the last frame changes with the value.
bool inPicture(const CalcExample& e, const Changeable& c)
{
    CalcExample other = e;
    c.change(other.values);
    const Experiment x(e);
    const Experiment y(other);
    for (int frame : {0, x.lastFrame()})
        if (render(e, x.scene(frame)) != render(other, y.scene(frame)))
            return true;
    return false;
}

QString shownText(const Quantity& q, const CalcExample& e)
{
    return QuantityTable::valueText(q.read(e.values), q.decimals);
}

bool inBoxes(const Quantity& q, const CalcExample& e)
{
    const Experiment x(e);
    const ExperimentReadings end = x.readings(x.lastFrame());
    const QString value = shownText(q, e);
    if (q.box > 0) {
        const std::size_t i = std::size_t(q.box - 1);
        return end.boxes[i].value_or(e.boxes[i].text) == value;
    }
    const QString plain = QuantityTable::valueText(q.read(e.values), 0);
    const auto clock = [&end](std::size_t i) { return end.finishBoxes[i].value_or(QString()).toInt(); };
    return e.startBoxes[0] == plain || e.startBoxes[1] == plain || (q.name == std::string_view("t") && 60 * clock(0) + clock(1) == plain.toInt())
           || (q.name == std::string_view("hours") && clock(0) == plain.toInt())
           || (q.name == std::string_view("minutes") && clock(1) == plain.toInt());
}

} // namespace

TEST(HeatAndCircuitScenes, EveryGivenQuantityCanBeReadAndNoAskedOneIsShown)
{
    for (CalcTask task : {CalcTask::Heat, CalcTask::Melting, CalcTask::OhmsLaw, CalcTask::ElectricEnergy,
                          CalcTask::ElectricPower, CalcTask::SeriesResistors, CalcTask::ParallelResistors}) {
        for (std::uint64_t seed = 1; seed <= 25; ++seed) {
            const CalcExample e = test::generated(task, seed);
            SCOPED_TRACE(testing::Message() << calcTaskCode(task).toStdString() << " seed " << seed << " variant "
                                            << e.asked.value_or(0));
            for (const Quantity& q : TaskQuantities::of(task)) {
                const Changeable* c = nullptr;
                for (const Changeable& row : kChangeable)
                    if (row.task == task && q.name == std::string_view(row.name))
                        c = &row;
                if (q.askedIn(e)) {
                    if (c) {
                        EXPECT_FALSE(inPicture(e, *c)) << q.name << " asked but shown";
                    }
                    continue;
                }
                // The constants of ice and water stand in the "3b" tables, the metal's in its marked row.
                const bool inTable = q.inTable ? e.shownRow == e.tableRow : task == CalcTask::Melting && q.box == 0;
                EXPECT_TRUE(inTable || inBoxes(q, e) || (c && inPicture(e, *c))) << q.name << " given but not shown";
            }
        }
    }
}

TEST(HeatScenes, TheBodyGlowsAndTheThermometerReadsItsTemperature)
{
    struct Case {
        int glow;
        QColor body;
    };
    for (const Case& c : {Case{0, Palette::mark()}, Case{30, Palette::hotBody()}}) {
        const CalcExample e = test::generated(CalcTask::Heat, 4);
        const QImage scene = render(e, HeatFrame{c.glow > 0, c.glow, 20});
        EXPECT_EQ(scene.pixelColor(HeatScenePainter::heatBody().center().toPoint()), c.body);
    }
    // The column of the thermometer ends at the mark of its temperature.
    const auto columnTop = [](const QImage& scene, int x, int from, int to) {
        for (int y = from; y <= to; ++y)
            if (scene.pixelColor(x, y).red() > 180 && scene.pixelColor(x, y).green() < 80)
                return y;
        return -1;
    };
    for (double t : {20.0, 115.0, 200.0}) {
        const QImage scene = render(test::generated(CalcTask::Heat, 4), HeatFrame{true, 10, t});
        EXPECT_NEAR(columnTop(scene, 118, 0, 110), HeatScenePainter::heatThermometerY(t), 1.5) << t;
    }
    for (double t : {-15.0, 0.0, 20.0}) {
        const QImage scene = render(test::generated(CalcTask::Melting, 4), MeltingFrame{true, 0.5, t});
        EXPECT_NEAR(columnTop(scene, 88, 0, 150), HeatScenePainter::meltingThermometerY(t), 1.5) << t;
    }
}

namespace {

// After the run the tube's liquid reaches the tick of the example's pressure,
// with the red mark on its top; before the run it stands at 0 kPa. (An asked
// pressure has no ticks to reach.)
TEST(MechanicsScenes, TheTubeShowsThePressureOfTheWeight)
{
    for (std::uint64_t seed = 1; seed <= 12; ++seed) {
        const CalcExample e = test::generated(CalcTask::LiquidPressure, seed);
        if (e.asked == 1)
            continue;
        const double p = std::get<LiquidPressureValues>(e.values).p;
        const Experiment x(e);
        for (const auto& [frame, kPa] : {std::pair{0, 0.0}, std::pair{x.lastFrame(), p}}) {
            const QImage image = render(e, x.scene(frame));
            const qreal level = MechanicsScenePainter::tubeLevelY(kPa);
            const int tubeX = MechanicsScenePainter::pressApparatus().right() - 7;
            EXPECT_EQ(image.pixelColor(tubeX, int(level) + 3), Palette::liquid()) << "seed " << seed;
            EXPECT_EQ(image.pixelColor(tubeX, int(level) - 2), Palette::mark()) << "seed " << seed;
            EXPECT_NE(image.pixelColor(tubeX, int(level) - 6), Palette::liquid()) << "seed " << seed;
        }
    }
}

// The load rises by the example's height on the scale; the body ends its
// pull at the distance's mark, a metre's ticks further per metre.
TEST(MechanicsScenes, TheLoadAndTheBodyEndWhereTheValuesSay)
{
    WinchScene low{.height = 4.0, .lifted = 0, .energy = false};
    WinchScene high = low;
    high.lifted = 1;
    const qreal rise4 = MechanicsScenePainter::loadBottomY(low) - MechanicsScenePainter::loadBottomY(high);
    low.height = high.height = 8.0;
    const qreal rise8 = MechanicsScenePainter::loadBottomY(low) - MechanicsScenePainter::loadBottomY(high);
    EXPECT_GT(rise4, 100);
    EXPECT_NEAR(rise8, rise4, 1);  // each on its own scale, both reach the top mark
    low.height = high.height = 89.1;
    EXPECT_GE(MechanicsScenePainter::loadBottomY(high), 0);

    const BoardScene start{.distance = 3, .travelled = 0};
    const BoardScene end3{.distance = 3, .travelled = 1};
    const BoardScene end6{.distance = 6, .travelled = 1};
    const QPointF a = MechanicsScenePainter::bodyOnBoard(start);
    const QPointF b = MechanicsScenePainter::bodyOnBoard(end3);
    const QPointF c = MechanicsScenePainter::bodyOnBoard(end6);
    EXPECT_NEAR(std::hypot(c.x() - a.x(), c.y() - a.y()), 2 * std::hypot(b.x() - a.x(), b.y() - a.y()), 0.5);
    EXPECT_LT(b.y(), a.y());  // up the slope
}

// The height of the beam's top edge at x, found by its wood colour.
int beamTop(const QImage& image, int x)
{
    for (int y = 40; y < 160; ++y) {
        const QColor c = image.pixelColor(x, y);
        if (c.red() > 185 && c.green() > 140 && c.green() < 200 && c.blue() < 140)
            return y;
    }
    return -1;
}

// The run of "2e" tips the lever down on the side of the larger moment and
// leaves it level when the moments are equal.
TEST(LeverScene, TheLeverTipsToTheHeavierSideAndStaysLevelInBalance)
{
    for (std::uint64_t seed = 1; seed <= 12; ++seed) {
        const CalcExample e = test::generated(CalcTask::Lever, seed);
        const auto& x = std::get<LeverValues>(e.values);
        SCOPED_TRACE(seed);
        LeverBoard board(e, CalcScene::leverPlaces());
        const int left = LeverScenePainter::kPivot.x() - 5 * LeverScenePainter::kMarkStep - 6;
        const int right = LeverScenePainter::kPivot.x() + 5 * LeverScenePainter::kMarkStep + 6;
        auto tops = [&](const LeverBoard& b, double tipped) {
            const QImage image = PictureImage::opaque(LabScene::kSize, [&](QPainter& p, QSize) {
                CalcScene::draw(p, e, LeverFrame{tipped}, installedMap(), &b);
            });
            return std::pair{beamTop(image, left), beamTop(image, right)};
        };
        // Before the placed weight hangs the side of the hanging weights goes down.
        const auto [l0, r0] = tops(board, 0);
        EXPECT_EQ(l0, r0);
        const auto [l1, r1] = tops(board, 1);
        EXPECT_GT(l1 - r1, 10);
        // The placed weight on its mark balances it.
        int w = 1;
        while (board.mass(w) != x.placedWeight())
            ++w;
        board.press(w, true);
        board.move(CalcScene::leverPlaces().hooks[std::size_t(6 + x.placedMark())] - board.position(w));
        board.release();
        ASSERT_TRUE(board.weightHung());
        const auto [l2, r2] = tops(board, 1);
        EXPECT_EQ(l2, r2);
    }
}

} // namespace
