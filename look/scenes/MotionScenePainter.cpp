// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "look/scenes/MotionScenePainter.h"

#include "look/scenes/DensityScenePainter.h"
#include "look/scenes/LabScene.h"
#include "look/basics/Layout.h"
#include "look/basics/Palette.h"
#include "look/basics/Typeface.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orbeta {
namespace {

// "1c": the rows of speed and time above the track, the distance below it.
constexpr QPoint kSpeedBox{118, 10};
constexpr QPoint kTimeBox{118, 42};
constexpr QPoint kDistanceBox{118, 206};
constexpr qreal kRailTop = 150;
constexpr qreal kTapeTop = 158;
constexpr qreal kTapeHeight = 20;
constexpr qreal kTrackStart = 70;   // the 0 m mark
constexpr qreal kTrackWidth = 212;  // from 0 m to the tape's last mark

// The tape's last mark: the shortest length of a 1-2-5 step that holds the
// run in at most ten steps.
struct Tape {
    double step;
    int steps;

    double length() const { return step * steps; }
};

Tape tapeFor(double distance)
{
    for (double step : {0.1, 0.2, 0.5, 1.0, 2.0, 5.0}) {
        // The distance is a float: 0.3 must not need a fourth step of 0.1.
        const int steps = std::max(1, int(std::ceil(distance / step - 1e-4)));
        if (steps <= 10)
            return {step, steps};
    }
    return {10.0, std::max(1, int(std::ceil(distance / 10 - 1e-4)))};
}

QString metres(double value)
{
    QString text = QString::number(value, 'f', value == std::floor(value) ? 0 : 1);
    return text.replace(QLatin1Char('.'), QLatin1Char(','));
}

// "1d": cities A to D around the junction E, in pixels of the map picture.
const std::array<MotionScenePainter::Road, 4> kRoads{{
    {QPoint(152, 96), QPoint(140, 50), QPoint(88, 40), QPoint(34, 46)},
    {QPoint(152, 96), QPoint(164, 50), QPoint(218, 36), QPoint(270, 44)},
    {QPoint(152, 96), QPoint(168, 146), QPoint(222, 158), QPoint(268, 166)},
    {QPoint(152, 96), QPoint(138, 146), QPoint(84, 158), QPoint(36, 166)},
}};
// Where each city's letter stands, from the city.
const std::array<QPointF, 4> kCityLabel{QPointF(-20, -8), QPointF(9, -8), QPointF(9, -8), QPointF(-20, -8)};
// Legend, box and unit of a road fit between the road and the map's edge.
const std::array<QPoint, 4> kRoadBoxes{QPoint(47, 60), QPoint(220, 60), QPoint(220, 104), QPoint(47, 104)};
constexpr int kRoadLegendPx = 13;
const QString kCityNames = QStringLiteral("ABCD");

const QColor kTree(96, 150, 84);
const QColor kRoadEdge(98, 100, 110);

QPointF centreOf(QPoint mapPixel)
{
    return QPointF(mapPixel) + QPointF(0.5, 0.5);
}

void drawTown(QPainter& p, QPoint at, QChar name, QPointF label)
{
    const QPointF c = centreOf(at);
    p.setPen(QPen(Palette::ink(), 1));
    p.setBrush(Qt::white);
    p.drawEllipse(c, 8, 8);
    p.setPen(Qt::NoPen);
    p.setBrush(MotionScenePainter::town());
    p.drawEllipse(c, 6, 6);
    const QRectF box(c + label, QSizeF(12, 16));
    p.setFont(Typeface::font(15, true));
    p.setPen(Palette::ink());
    p.drawText(box, Qt::AlignCenter, QString(name));
}

void drawTree(QPainter& p, QPointF at)
{
    p.setPen(QPen(kTree.darker(140), 1));
    p.setBrush(kTree);
    p.drawEllipse(at, 6, 6);
}

// A speedometer, a stopwatch or a tape: what measures the quantity of a row.
enum class Gauge { Speed, Time, Length };

void drawGauge(QPainter& p, const QRectF& r, Gauge gauge)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink = Palette::strip();
    p.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    const QPointF c = r.center();
    const qreal radius = std::min(r.width(), r.height()) / 2 - 1;
    switch (gauge) {
    case Gauge::Speed: {
        p.drawPie(QRectF(c.x() - radius, c.y() - radius + 4, 2 * radius, 2 * radius), 0, 180 * 16);
        p.drawLine(c + QPointF(0, 4), c + QPointF(radius * 0.55, 4 - radius * 0.65));
        break;
    }
    case Gauge::Time: {
        const QPointF face = c + QPointF(0, 2);
        p.drawLine(QPointF(c.x(), r.top() + 1), QPointF(c.x(), face.y() - radius + 2));
        p.drawEllipse(face, radius - 2, radius - 2);
        p.drawLine(face, face + QPointF(radius * 0.4, -radius * 0.45));
        break;
    }
    case Gauge::Length: {
        const QRectF tape(r.left() + 1, c.y() - 5, r.width() - 2, 10);
        p.setBrush(QColor(250, 226, 140));
        p.drawRect(tape);
        p.setPen(QPen(ink, 1));
        for (int i = 1; i < 5; ++i) {
            const qreal x = tape.left() + tape.width() * i / 5;
            p.drawLine(QPointF(x, tape.top()), QPointF(x, tape.top() + (i % 2 ? 4 : 6)));
        }
        break;
    }
    }
    p.restore();
}

void drawChequer(QPainter& p, const QRectF& flag)
{
    p.fillRect(flag, Qt::white);
    const qreal w = flag.width() / 4;
    const qreal h = flag.height() / 3;
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 4; ++col)
            if ((row + col) % 2 == 0)
                p.fillRect(QRectF(flag.left() + w * col, flag.top() + h * row, w, h), Palette::ink());
    p.setPen(QPen(Palette::ink(), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(flag);
}

void drawFlag(QPainter& p, qreal x, bool chequered)
{
    p.setPen(QPen(Palette::ink(), 1.5));
    p.drawLine(QPointF(x, kRailTop + 6), QPointF(x, kRailTop - 40));
    const QRectF flag(x, kRailTop - 40, 16, 11);
    if (chequered)
        drawChequer(p, flag);
    else
        p.fillRect(flag, Palette::topic(2));
}

void drawTape(QPainter& p, const Tape& tape, bool numbers)
{
    const QRectF band = MotionScenePainter::tape();
    p.setPen(QPen(QColor(176, 140, 40), 1));
    p.setBrush(QColor(250, 226, 140));
    p.drawRect(band);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Palette::ink(), 1));
    // An asked distance has no ticks to count it by.
    const int halves = 2 * tape.steps;
    for (int i = 0; numbers && i <= halves; ++i) {
        const int x = qRound(kTrackStart + kTrackWidth * i / halves);
        p.drawLine(QPointF(x, kTapeTop), QPointF(x, kTapeTop + (i % 2 == 0 ? 7 : 4)));
    }
    p.restore();
    p.setFont(Typeface::font(Typeface::kMinTextPx, true));
    p.setPen(Palette::ink());
    if (!numbers) {
        LabScene::drawQuestionTag(p, QRectF(kTrackStart + kTrackWidth / 2 - 12, kTapeTop - 2, 24, 24));
        return;
    }
    const int every = tape.steps <= 5 ? 1 : 2;
    for (int i = 0; i <= tape.steps; i += every) {
        const qreal x = kTrackStart + kTrackWidth * i / tape.steps;
        p.drawText(QRectF(x - 16, kTapeTop + 6, 32, 14), Qt::AlignCenter, metres(tape.step * i));
    }
    p.drawText(QRectF(kTrackStart + kTrackWidth + 17, kTapeTop + 2, 14, 16), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("m"));
}

void drawDimension(QPainter& p, qreal from, qreal to, qreal y)
{
    if (to - from < 4)
        return;
    p.setPen(QPen(Palette::strip(), 1.5));
    p.drawLine(QPointF(from, y), QPointF(to, y));
    p.drawLine(QPointF(from, y - 5), QPointF(from, y + 5));
    p.drawLine(QPointF(to, y - 5), QPointF(to, y + 5));
    p.setBrush(Palette::strip());
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF({QPointF(from, y), QPointF(from + 7, y - 3.5), QPointF(from + 7, y + 3.5)}));
    p.drawPolygon(QPolygonF({QPointF(to, y), QPointF(to - 7, y - 3.5), QPointF(to - 7, y + 3.5)}));
}

void drawClockPanel(QPainter& p, const MotionScenePainter::Clock& clock)
{
    const QRectF panel(clock.boxes[0].x() - 8, clock.caption.y() - 2, 132,
                       clock.boxes[0].y() + Layout::kTimeBox.height() + 4 - clock.caption.y() + 2);
    p.setPen(QPen(Palette::panelEdge(), 1.5));
    p.setBrush(Palette::panel());
    p.drawRoundedRect(panel, 7, 7);
    drawGauge(p, QRectF(panel.right() - 30, panel.top() + 4, 22, 20), Gauge::Time);
    p.setFont(Typeface::font(14, true));
    p.setPen(Palette::ink());
    const int h = Layout::kTimeBox.height();
    p.drawText(QRectF(clock.boxes[0].x() + Layout::kTimeBox.width() + 2, clock.boxes[0].y(), 14, h),
               Qt::AlignCenter, QStringLiteral("h"));
    p.drawText(QRectF(clock.boxes[1].x() + Layout::kTimeBox.width() + 3, clock.boxes[1].y(), 40, h),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("min"));
}

} // namespace

QPoint MotionScenePainter::uniformBox(UniformBox box)
{
    switch (box) {
    case UniformBox::Speed: return kSpeedBox;
    case UniformBox::Time: return kTimeBox;
    case UniformBox::Distance: break;
    }
    return kDistanceBox;
}

QRectF MotionScenePainter::tape()
{
    return QRectF(kTrackStart - 8, kTapeTop, kTrackWidth + 16, kTapeHeight);
}

int MotionScenePainter::cartFrame(qreal pixels)
{
    // A wheel of radius 7 turns 40°, from one frame to the next, in about 5 pixels.
    return int(std::floor(std::max<qreal>(0, pixels) / 5)) % kCartFrames;
}

void MotionScenePainter::drawCart(QPainter& p, QSize size, int frame)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();
    const qreal wheel = 7;
    const QRectF body(1, 2, w - 2, h - 2 * wheel + 2);
    QLinearGradient paint(body.topLeft(), body.bottomLeft());
    paint.setColorAt(0, Palette::topic(1).lighter(130));
    paint.setColorAt(1, Palette::topic(1).darker(115));
    p.setPen(QPen(Palette::stripDark(), 1.5));
    p.setBrush(paint);
    p.drawRoundedRect(body, 4, 4);
    p.fillRect(QRectF(body.left() + 4, body.top() + 3, body.width() - 8, 2.5), QColor(255, 255, 255, 140));
    const qreal spokeTurn = 2 * std::numbers::pi / 9 * (frame % kCartFrames);
    for (qreal x : {wheel + 5, w - wheel - 5}) {
        const QPointF c(x, h - wheel - 0.5);
        p.setPen(QPen(Palette::ink(), 1.5));
        p.setBrush(QColor(60, 64, 76));
        p.drawEllipse(c, wheel, wheel);
        p.setBrush(QColor(210, 214, 222));
        p.drawEllipse(c, wheel - 3, wheel - 3);
        p.setPen(QPen(Palette::ink(), 1.2));
        for (int k = 0; k < 3; ++k) {
            const qreal a = spokeTurn + k * 2 * std::numbers::pi / 3;
            p.drawLine(c, c + QPointF(std::cos(a), std::sin(a)) * (wheel - 3));
        }
    }
    p.restore();
}

void MotionScenePainter::drawUniformScene(QPainter& p, const UniformMotionScene& scene)
{
    LabScene::drawRoom(p, 236);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const Tape tape = tapeFor(scene.distance);
    const qreal finish = kTrackStart + kTrackWidth * scene.distance / tape.length();
    const qreal front = kTrackStart + (finish - kTrackStart) * std::clamp(scene.travelled, 0.0, 1.0);

    QLinearGradient rail(0, kRailTop, 0, kRailTop + 6);
    rail.setColorAt(0, QColor(190, 198, 210));
    rail.setColorAt(1, QColor(120, 130, 146));
    p.setPen(QPen(LabScene::kMetalDark, 1));
    p.setBrush(rail);
    p.drawRect(QRectF(6, kRailTop, 300, 6));
    drawTape(p, tape, !scene.distanceHidden);
    drawFlag(p, kTrackStart, false);
    drawFlag(p, finish, true);
    drawDimension(p, kTrackStart, front, 192);

    p.save();
    p.translate(front - kCartSize.width(), kRailTop - kCartSize.height());
    // The body rides on the cart, drawn by the same function as in "1b".
    p.save();
    const QSize body = DensityScenePainter::kBodySize;
    p.translate((kCartSize.width() - body.width()) / 2.0, 3 - body.height());
    DensityScenePainter::drawBody(p, body, 1);
    p.restore();
    drawCart(p, kCartSize, cartFrame(front - kTrackStart));
    p.restore();
    p.restore();

    const std::array<std::pair<QPoint, QString>, 3> rows{{
        {kSpeedBox, QStringLiteral("v =")}, {kTimeBox, QStringLiteral("t =")}, {kDistanceBox, QStringLiteral("s =")}}};
    const std::array<Gauge, 3> gauges{Gauge::Speed, Gauge::Time, Gauge::Length};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const QPoint box = rows[i].first;
        drawGauge(p, QRectF(box.x() - 68, box.y() + 1, 24, 22), gauges[i]);
        LabScene::drawLegend(p, box, rows[i].second);
    }
}

const std::array<MotionScenePainter::Road, 4>& MotionScenePainter::roads()
{
    return kRoads;
}

QColor MotionScenePainter::town()
{
    return Palette::mark();
}

void MotionScenePainter::drawMap(QPainter& p, QSize size)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all(QPointF(0, 0), size);
    p.fillRect(all, land());
    // Fields in the quiet corners between the roads.
    // Woods in the quiet strips above and below the junction.
    for (QPointF tree : {QPointF(132, 14), QPointF(146, 20), QPointF(160, 12), QPointF(174, 19),
                         QPointF(134, 176), QPointF(150, 170), QPointF(166, 178)})
        drawTree(p, tree);
    for (const Road& road : kRoads) {
        QPainterPath path(centreOf(road[0]));
        for (int i = 1; i < 4; ++i)
            path.lineTo(centreOf(road[i]));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kRoadEdge, 12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
    }
    for (const Road& road : kRoads) {
        QPainterPath path(centreOf(road[0]));
        for (int i = 1; i < 4; ++i)
            path.lineTo(centreOf(road[i]));
        p.setPen(QPen(asphalt(), 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
    }
    for (std::size_t city = 0; city < kRoads.size(); ++city)
        drawTown(p, kRoads[city][3], kCityNames.at(qsizetype(city)), kCityLabel[city]);
    drawTown(p, kRoads[0][0], QLatin1Char('E'), QPointF(-24, -8));
    p.setPen(QPen(QColor(120, 150, 110), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(all.adjusted(0.75, 0.75, -0.75, -0.75));
    p.restore();
}

QPoint MotionScenePainter::roadBox(int city)
{
    return kRoadBoxes.at(std::size_t(std::clamp(city, 1, 4) - 1)) + kMapOrigin;
}

MotionScenePainter::Clock MotionScenePainter::departureClock()
{
    return {{QPoint(22, 220), QPoint(68, 220)}, QPoint(16, 199)};
}

MotionScenePainter::Clock MotionScenePainter::arrivalClock()
{
    return {{QPoint(178, 220), QPoint(224, 220)}, QPoint(172, 199)};
}

void MotionScenePainter::drawCar(QPainter& p, QSize size)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(28, 30, 36));
    for (qreal x : {4.0, w - 10})
        for (qreal y : {0.5, h - 3.5})
            p.drawRoundedRect(QRectF(x, y, 6, 3), 1, 1);
    const QRectF body(1, 2, w - 2, h - 4);
    p.setPen(QPen(QColor(120, 80, 0), 1.2));
    p.setBrush(Palette::gold());
    p.drawRoundedRect(body, 5, 5);
    // Windscreen at the front (right), rear window behind the roof.
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::stripDark());
    p.drawRoundedRect(QRectF(w * 0.58, body.top() + 2, w * 0.16, body.height() - 4), 2, 2);
    p.drawRoundedRect(QRectF(w * 0.18, body.top() + 2.5, w * 0.10, body.height() - 5), 2, 2);
    p.restore();
}

void MotionScenePainter::drawArrow(QPainter& p, QSize size)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();
    const QPolygonF arrow({QPointF(w * 0.3, 1), QPointF(w * 0.7, 1), QPointF(w * 0.7, h * 0.5),
                           QPointF(w - 1, h * 0.5), QPointF(w / 2, h - 1), QPointF(1, h * 0.5),
                           QPointF(w * 0.3, h * 0.5)});
    p.setPen(QPen(Qt::white, 1.5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Palette::strip());
    p.drawPolygon(arrow);
    p.restore();
}

void MotionScenePainter::drawRoadMapScene(QPainter& p, const RoadMapScene& scene)
{
    LabScene::drawRoom(p, LabScene::kSize.height());
    p.save();
    p.translate(kMapOrigin);
    drawMap(p, kMapSize);
    p.setRenderHint(QPainter::Antialiasing);

    const auto cityAt = [](int city) { return centreOf(kRoads.at(std::size_t(std::clamp(city, 1, 4) - 1))[3]); };
    // The finish flag stands where the start arrow would.
    const QPointF target = cityAt(scene.targetCity);
    p.setPen(QPen(Palette::ink(), 1.5));
    p.drawLine(target - QPointF(6, 9), target - QPointF(6, 34));
    drawChequer(p, QRectF(target.x() - 6, target.y() - 34, 16, 11));

    const QPointF city = cityAt(scene.startCity);
    p.save();
    p.translate(city.x() - kArrowSize.width() / 2.0, city.y() - 10 - kArrowSize.height());
    drawArrow(p, kArrowSize);
    p.restore();

    p.save();
    p.translate(scene.car + QPointF(0.5, 0.5));
    if (!scene.heading.isNull())
        p.rotate(std::atan2(scene.heading.y(), scene.heading.x()) * 180 / std::numbers::pi);
    p.translate(-kCarSize.width() / 2.0, -kCarSize.height() / 2.0);
    drawCar(p, kCarSize);
    p.restore();
    p.restore();

    for (int c = 1; c <= 4; ++c)
        LabScene::drawLegend(p, roadBox(c), QStringLiteral("|E%1| =").arg(kCityNames.at(c - 1)), kRoadLegendPx);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    drawClockPanel(p, departureClock());
    drawClockPanel(p, arrivalClock());
    p.restore();
}

} // namespace orbeta
