// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "look/scenes/MechanicsScenePainter.h"

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

constexpr qreal kBenchTop = 236;

const QColor kRope(120, 92, 52);

// "2a": the tank, its lid with the piston's opening, the glass tube. The
// tube's 0 kPa mark is level with the tank's liquid, 12 pixels a kPa.
constexpr QRectF kTank{8, 150, 110, 84};
constexpr qreal kPistonCentre = 59;
constexpr qreal kPxPerDm = 22;  // the piston's side: a larger area is a larger face
constexpr qreal kPistonTop = 130;
constexpr qreal kDepth = 10;  // the slant of the piston's top face
constexpr QRectF kTube{150, 24, 14, 204};
constexpr qreal kTubeZeroY = 156;
constexpr qreal kPxPerKPa = 12;
constexpr int kTubeKPa = 10;
constexpr qreal kWeightHangingTop = 16;
constexpr QPoint kMassBox{218, 8};
constexpr QPoint kAreaRunningBox{218, 38};
constexpr QPoint kPressureBox{218, 100};
constexpr QPoint kAreaBox{218, 162};

// "2b": the board from its low end up to the block under its high end; the
// ruler along it from kRulerStart, 26 pixels a metre, to 10 m.
constexpr QPointF kBoardLow{14, 222};
constexpr QPointF kBoardHigh{298, 110};
constexpr qreal kRulerStart = 20;
constexpr qreal kPxPerMetre = BoardScene::kRulerPxPerMetre;
constexpr int kRulerMetres = 10;
constexpr QSize kBoardBody{40, 44};
constexpr std::array<QPoint, 4> kBoardBoxes{QPoint(96, 6), QPoint(96, 34), QPoint(96, 62), QPoint(96, 90)};

// "2c", "2d": the mast, the drum at its top, the pulley over the load, the
// height scale from the bench up to kScaleTop.
constexpr qreal kMastX = 24;
constexpr qreal kBeamY = 20;
constexpr QPointF kDrumCentre{58, 52};
constexpr QPointF kPulley{120, 30};
constexpr qreal kPulleyRadius = 8;
constexpr QSizeF kLoad{40, 30};
constexpr qreal kScaleX = 150;
constexpr qreal kScaleTop = 78;
constexpr qreal kScaleBottom = kBenchTop - 2;
constexpr int kWinchBoxX = 226;
constexpr int kWinchRowTop = 8;
constexpr int kWinchRowStep = 34;

QString decimalText(double value)
{
    QString text = QString::number(value, 'f', value == std::floor(value) ? 0 : 1);
    return text.replace(QLatin1Char('.'), QLatin1Char(','));
}

// The shortest 1-2-5 step that holds `length` in at most ten steps.
double scaleStep(double length)
{
    for (double step : {0.5, 1.0, 2.0, 5.0, 10.0, 20.0})
        if (std::ceil(length / step - 1e-4) <= 10)
            return step;
    return 50.0;
}

double scaleLength(double height)
{
    const double step = scaleStep(height);
    return step * std::max(1.0, std::ceil(height / step - 1e-4));
}

void drawSmallText(QPainter& p, const QRectF& rect, int flags, const QString& text, bool bold = true)
{
    p.setFont(Typeface::font(Typeface::kMinTextPx, bold));
    p.setPen(Palette::ink());
    p.drawText(rect, flags, text);
}

qreal pistonWidth(int area)
{
    return kPxPerDm * std::sqrt(double(std::clamp(area, 1, 9)));
}

void drawTankAndTube(QPainter& p, const PressScene& scene)
{
    const qreal pistonSide = pistonWidth(scene.area);
    const qreal pistonLeft = kPistonCentre - pistonSide / 2;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // The liquid fills the closed tank and the pipe to the tube.
    p.fillRect(kTank.adjusted(4, 4, -4, -4), Palette::liquid());
    const QRectF pipe(kTank.right() - 4, 212, kTube.left() - kTank.right() + 8, 12);
    p.setPen(QPen(LabScene::kSteelDark, 1.5));
    p.setBrush(LabScene::kMetal);
    p.drawRect(pipe);
    p.fillRect(pipe.adjusted(0, 3, 0, -3), Palette::liquid());
    // The tank's walls and its lid with the opening for the piston.
    QPainterPath walls;
    walls.addRect(kTank);
    walls.addRect(kTank.adjusted(4, 4, -4, -4));
    p.setBrush(LabScene::kMetal);
    p.drawPath(walls);
    p.fillRect(QRectF(pistonLeft, kTank.top(), pistonSide, 4), Palette::liquid());
    // The piston: a square plate in the opening, its top face in perspective.
    QLinearGradient side(pistonLeft, 0, pistonLeft + pistonSide, 0);
    side.setColorAt(0, QColor(190, 198, 210));
    side.setColorAt(1, QColor(128, 138, 156));
    p.setBrush(side);
    p.drawRect(QRectF(pistonLeft, kPistonTop, pistonSide, kTank.top() + 4 - kPistonTop));
    const QPolygonF face({QPointF(pistonLeft, kPistonTop), QPointF(pistonLeft + pistonSide, kPistonTop),
                          QPointF(pistonLeft + pistonSide + kDepth, kPistonTop - kDepth),
                          QPointF(pistonLeft + kDepth, kPistonTop - kDepth)});
    p.setBrush(QColor(214, 222, 232));
    p.drawPolygon(face);
    // The area the weight presses on: the face, hatched, named S.
    p.setBrush(QBrush(QColor(120, 132, 150), Qt::BDiagPattern));
    p.drawPolygon(face);
    drawSmallText(p, QRectF(pistonLeft, kPistonTop + 1, pistonSide, 18), Qt::AlignCenter, QStringLiteral("S"));

    // The glass tube, the liquid up to the pressure, a red mark on its top.
    p.setPen(QPen(LabScene::kGlassEdge, 1.5));
    p.setBrush(LabScene::kGlassInside);
    p.drawRoundedRect(kTube, 4, 4);
    const qreal level = MechanicsScenePainter::tubeLevelY(scene.pressure);
    const QRectF column(kTube.left() + 3, level, kTube.width() - 6, kTube.bottom() - 3 - level);
    p.fillRect(column, Palette::liquid());
    p.fillRect(QRectF(column.left(), level - 3, column.width(), 3), Palette::mark());

    // The scale left of the tube: a tick a kPa, numbers every 2 kPa; none
    // when the pressure is asked, so that it cannot be counted off the ticks.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Palette::ink(), 1));
    for (int kPa = 0; !scene.pressureHidden && kPa <= kTubeKPa; ++kPa) {
        const qreal y = MechanicsScenePainter::tubeLevelY(kPa);
        p.drawLine(QPointF(kTube.left() - (kPa % 2 == 0 ? 9 : 5), y), QPointF(kTube.left() - 1, y));
    }
    if (scene.pressureHidden) {
        LabScene::drawQuestionTag(p, QRectF(kTube.left() - 36, 84, 24, 24));
    } else {
        for (int kPa = 0; kPa <= kTubeKPa; kPa += 2) {
            const qreal y = MechanicsScenePainter::tubeLevelY(kPa);
            drawSmallText(p, QRectF(kTube.left() - 34, y - 8, 22, 16), Qt::AlignRight | Qt::AlignVCenter,
                          QString::number(kPa));
        }
    }
    drawSmallText(p, QRectF(kTube.left() - 40, 4, 40, 16), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("kPa"));
    p.restore();
}

QPointF boardPoint(qreal along)
{
    const QPointF d = kBoardHigh - kBoardLow;
    const qreal length = std::hypot(d.x(), d.y());
    return kBoardLow + d * (along / length);
}

qreal boardAngle()
{
    const QPointF d = kBoardHigh - kBoardLow;
    return std::atan2(d.y(), d.x()) * 180 / std::numbers::pi;
}

void drawBoardBody(QPainter& p, const BoardScene& scene)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(MechanicsScenePainter::bodyOnBoard(scene));
    p.rotate(boardAngle());
    const QRectF body(0, -kBoardBody.height(), kBoardBody.width(), kBoardBody.height());
    QLinearGradient shade(body.topLeft(), body.bottomRight());
    shade.setColorAt(0, QColor(120, 170, 226));
    shade.setColorAt(1, QColor(44, 96, 170));
    p.setPen(QPen(QColor(26, 56, 110), 1.5));
    p.setBrush(shade);
    p.drawRoundedRect(body.adjusted(1, 1, -1, 0), 4, 4);
    // The rope and the pulling force along the board, up the slope.
    const qreal hook = -kBoardBody.height() / 2.0;
    p.setPen(QPen(Palette::mark(), 3, Qt::SolidLine, Qt::RoundCap));
    const qreal tip = kBoardBody.width() + 44;
    p.drawLine(QPointF(kBoardBody.width(), hook), QPointF(tip - 8, hook));
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::mark());
    p.drawPolygon(QPolygonF({QPointF(tip, hook), QPointF(tip - 11, hook - 6), QPointF(tip - 11, hook + 6)}));
    p.restore();
    const QPointF label = MechanicsScenePainter::bodyOnBoard(scene) + QPointF(62, -62);
    drawSmallText(p, QRectF(label, QSizeF(16, 16)), Qt::AlignCenter, QStringLiteral("F"));
}

void drawRope(QPainter& p, QPointF from, QPointF to)
{
    p.setPen(QPen(kRope, 2));
    p.drawLine(from, to);
}

} // namespace

qreal MechanicsScenePainter::tubeLevelY(double kPa)
{
    return kTubeZeroY - kPxPerKPa * std::clamp(kPa, 0.0, double(kTubeKPa) + 0.5);
}

QRect MechanicsScenePainter::pressApparatus()
{
    return QRect(int(kTank.left()), int(kTube.top()), int(kTube.right() - kTank.left()) + 1,
                 int(kTank.bottom() - kTube.top()) + 1);
}

void MechanicsScenePainter::drawPressApparatus(QPainter& p, const PressScene& scene)
{
    drawTankAndTube(p, scene);
}

void MechanicsScenePainter::drawWeight(QPainter& p, QSize size)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();
    // A cast weight with a handle, "m" cast into it.
    p.setPen(QPen(LabScene::kIron.darker(130), 3));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(w / 2 - 10, 1.5, 20, 18), 0, 180 * 16);
    LabScene::drawIronBody(p, {QPointF(6, 12), QPointF(w - 6, 12), QPointF(w - 1, h - 1), QPointF(1, h - 1)}, w, 1.5);
    p.setFont(Typeface::font(18, true));
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 12, w, h - 12), Qt::AlignCenter, QStringLiteral("m"));
    p.restore();
}

void MechanicsScenePainter::drawPressScene(QPainter& p, const PressScene& scene)
{
    LabScene::drawRoom(p, kBenchTop);
    drawTankAndTube(p, scene);
    const qreal resting = kPistonTop - kDepth / 2 - kWeightSize.height();
    const qreal top = kWeightHangingTop + (resting - kWeightHangingTop) * std::clamp(scene.lowered, 0.0, 1.0);
    const qreal left = kPistonCentre + (kDepth - kWeightSize.width()) / 2;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    drawRope(p, QPointF(left + kWeightSize.width() / 2.0, 0), QPointF(left + kWeightSize.width() / 2.0, top + 4));
    p.translate(left, top);
    drawWeight(p, kWeightSize);
    p.restore();
    LabScene::drawLegend(p, kMassBox, QStringLiteral("m ="));
    LabScene::drawLegend(p, kPressureBox, QStringLiteral("p ="));
    LabScene::drawLegend(p, scene.lowered > 0 ? kAreaRunningBox : kAreaBox, QStringLiteral("S ="));
}

QPoint MechanicsScenePainter::pressBox(PressBox box)
{
    switch (box) {
    case PressBox::Mass: return kMassBox;
    case PressBox::Pressure: return kPressureBox;
    case PressBox::Area: return kAreaBox;
    case PressBox::AreaWhileRunning: break;
    }
    return kAreaRunningBox;
}

QRect MechanicsScenePainter::boardApparatus()
{
    return QRect(int(kBoardLow.x()), int(kBoardHigh.y()) - 4, int(kBoardHigh.x() - kBoardLow.x()) + 1,
                 int(kBenchTop - kBoardHigh.y()) + 4);
}

void MechanicsScenePainter::drawBoard(QPainter& p, bool numbers)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // The block under the high end, then the board on it.
    p.setPen(QPen(LabScene::kWoodDark, 1.5));
    p.setBrush(LabScene::kWood.darker(115));
    p.drawRect(QRectF(kBoardHigh.x() - 30, kBoardHigh.y() + 10, 26, kBenchTop - kBoardHigh.y() - 10));
    p.save();
    p.translate(kBoardLow);
    p.rotate(boardAngle());
    const QPointF d = kBoardHigh - kBoardLow;
    const qreal length = std::hypot(d.x(), d.y());
    QLinearGradient grain(0, 0, 0, 12);
    grain.setColorAt(0, LabScene::kWood.lighter(115));
    grain.setColorAt(1, LabScene::kWood);
    p.setBrush(grain);
    p.drawRect(QRectF(0, 0, length, 12));
    // The ruler on the board's side: a tick a half metre; none when the
    // distance is asked, so that it cannot be counted off the ticks.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Palette::ink(), 1));
    for (int half = 0; numbers && half <= 2 * kRulerMetres; ++half) {
        const qreal x = kRulerStart + kPxPerMetre * half / 2.0;
        p.drawLine(QPointF(x, 0), QPointF(x, half % 2 == 0 ? 7 : 4));
    }
    p.restore();
    if (numbers) {
        for (int m = 0; m <= kRulerMetres; ++m) {
            const QPointF at = boardPoint(kRulerStart + kPxPerMetre * m) + QPointF(6, 18);
            drawSmallText(p, QRectF(at - QPointF(9, 8), QSizeF(18, 16)), Qt::AlignCenter, QString::number(m));
        }
        const QPointF unit = boardPoint(kRulerStart + kPxPerMetre * kRulerMetres) + QPointF(8, 34);
        drawSmallText(p, QRectF(unit - QPointF(8, 8), QSizeF(16, 16)), Qt::AlignCenter, QStringLiteral("m"));
    } else {
        const QPointF at = boardPoint(kRulerStart + kPxPerMetre * 5) + QPointF(0, 22);
        LabScene::drawQuestionTag(p, QRectF(at - QPointF(12, 12), QSizeF(24, 24)));
    }
    p.restore();
}

QPointF MechanicsScenePainter::bodyOnBoard(const BoardScene& scene)
{
    return boardPoint(kRulerStart + scene.pxPerMetre * scene.distance * std::clamp(scene.travelled, 0.0, 1.0));
}

void MechanicsScenePainter::drawBoardScene(QPainter& p, const BoardScene& scene)
{
    LabScene::drawRoom(p, kBenchTop);
    drawBoard(p, !scene.distanceHidden);
    // The start and the end of the pull, as flags standing on the board; an
    // asked distance has no end flag to measure it by.
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    for (int metres : {0, scene.distance}) {
        if (metres > 0 && scene.distanceHidden)
            continue;
        const QPointF foot = boardPoint(kRulerStart + scene.pxPerMetre * metres);
        p.setPen(QPen(Palette::ink(), 1.5));
        p.drawLine(foot, foot - QPointF(0, 62));
        p.fillRect(QRectF(foot - QPointF(0, 62), QSizeF(14, 10)), metres == 0 ? Palette::topic(2) : Palette::mark());
    }
    p.restore();
    drawBoardBody(p, scene);
    const std::array<QString, 4> legends{QStringLiteral("s ="), QStringLiteral("F ="), QStringLiteral("W ="),
                                         QStringLiteral("t =")};
    for (std::size_t i = 0; i < legends.size(); ++i)
        LabScene::drawLegend(p, kBoardBoxes[i], legends[i]);
}

QPoint MechanicsScenePainter::boardBox(BoardBox box)
{
    return kBoardBoxes[static_cast<std::size_t>(box)];
}

QRect MechanicsScenePainter::winchApparatus()
{
    return QRect(int(kMastX) - 14, int(kBeamY) - 6, int(kPulley.x() + kPulleyRadius - kMastX) + 20,
                 int(kBenchTop - kBeamY) + 6);
}

void MechanicsScenePainter::drawWinch(QPainter& p, bool motor)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // The mast on its foot and the beam to the pulley.
    p.setPen(QPen(LabScene::kSteelDark, 1.5));
    p.setBrush(LabScene::kMetal);
    p.drawRect(QRectF(kMastX - 14, kBenchTop - 8, 36, 8));
    p.drawRect(QRectF(kMastX, kBeamY, 8, kBenchTop - 8 - kBeamY));
    p.drawRect(QRectF(kMastX, kBeamY - 6, kPulley.x() - kMastX, 8));
    p.setBrush(QColor(214, 222, 232));
    p.drawEllipse(kPulley, kPulleyRadius, kPulleyRadius);
    p.drawEllipse(kPulley, 2, 2);
    // The drum's bracket, and its drive: a motor with its plate, or a crank.
    p.setBrush(LabScene::kMetal);
    p.drawRect(QRectF(kMastX + 8, kDrumCentre.y() - 4, kDrumCentre.x() - kMastX - 8, 8));
    if (motor) {
        const QRectF housing(kMastX + 12, kDrumCentre.y() + 22, 42, 30);
        p.setBrush(QColor(52, 120, 84));
        p.drawRoundedRect(housing, 4, 4);
        p.setBrush(QColor(250, 226, 140));
        p.drawRect(QRectF(housing.left() + 8, housing.top() + 8, 26, 14));
        drawSmallText(p, QRectF(housing.left() + 8, housing.top() + 7, 26, 16), Qt::AlignCenter,
                      QStringLiteral("M"));
        p.setPen(QPen(LabScene::kSteelDark, 2));
        p.drawLine(QPointF(kDrumCentre.x(), kDrumCentre.y() + 16), QPointF(kDrumCentre.x(), housing.top()));
    } else {
        p.setPen(QPen(LabScene::kSteelDark, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(kDrumCentre, kDrumCentre + QPointF(-14, 26));
        p.drawLine(kDrumCentre + QPointF(-14, 26), kDrumCentre + QPointF(-4, 30));
    }
    p.restore();
}

void MechanicsScenePainter::drawDrum(QPainter& p, QSize size, int frame)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(size.width() / 2.0, size.height() / 2.0);
    const qreal r = std::min(size.width(), size.height()) / 2.0 - 1;
    p.setPen(QPen(LabScene::kSteelDark, 1.5));
    p.setBrush(QColor(200, 206, 216));
    p.drawEllipse(c, r, r);
    p.setBrush(kRope.lighter(150));
    p.drawEllipse(c, r - 6, r - 6);
    // Four spokes, a quarter of their spacing further at each frame.
    p.setPen(QPen(LabScene::kSteelDark, 3, Qt::SolidLine, Qt::RoundCap));
    for (int spoke = 0; spoke < 4; ++spoke) {
        const double angle = (spoke * 90.0 + (frame - 1) * 22.5) * std::numbers::pi / 180;
        p.drawLine(c, c + QPointF(std::cos(angle), std::sin(angle)) * (r - 7));
    }
    p.setBrush(LabScene::kSteelDark);
    p.drawEllipse(c, 3, 3);
    p.restore();
}

int MechanicsScenePainter::drumFrame(double metres)
{
    return int(std::floor(std::max(0.0, metres) * 8)) % kDrumFrames + 1;
}

qreal MechanicsScenePainter::loadBottomY(const WinchScene& scene)
{
    const double lifted = scene.height * std::clamp(scene.lifted, 0.0, 1.0);
    return kScaleBottom - (kScaleBottom - kScaleTop) * lifted / scaleLength(scene.height);
}

void MechanicsScenePainter::drawWinchScene(QPainter& p, const WinchScene& scene)
{
    LabScene::drawRoom(p, kBenchTop);
    // Both winches lift hundreds of watts: a motor drives them, no hand crank.
    drawWinch(p, true);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double lifted = scene.height * std::clamp(scene.lifted, 0.0, 1.0);
    // The drum turns as it winds the rope.
    const QPointF drumCorner = kDrumCentre - QPointF(kDrumSize.width() / 2.0, kDrumSize.height() / 2.0);
    const qreal bottom = loadBottomY(scene);
    const QRectF load(kPulley.x() + kPulleyRadius - kLoad.width() / 2, bottom - kLoad.height(), kLoad.width(),
                      kLoad.height());
    drawRope(p, kDrumCentre + QPointF(0, -kDrumSize.height() / 2.0 + 3), kPulley + QPointF(0, -kPulleyRadius));
    drawRope(p, kPulley + QPointF(kPulleyRadius, 0), QPointF(kPulley.x() + kPulleyRadius, load.top()));
    p.save();
    p.translate(drumCorner);
    drawDrum(p, kDrumSize, drumFrame(lifted));
    p.restore();
    // The load: a crate with its hook.
    p.setPen(QPen(LabScene::kWoodDark, 1.5));
    p.setBrush(LabScene::kWood);
    p.drawRect(load);
    p.drawLine(load.topLeft(), load.bottomRight());
    p.drawLine(load.bottomLeft(), load.topRight());

    // The height scale: from the bench up, in 1-2-5 steps, the load's bottom against it.
    const double length = scaleLength(scene.height);
    const double step = scaleStep(scene.height);
    p.setPen(QPen(QColor(176, 140, 40), 1));
    p.setBrush(QColor(250, 226, 140));
    p.drawRect(QRectF(kScaleX, kScaleTop - 4, 10, kScaleBottom - kScaleTop + 4));
    p.setRenderHint(QPainter::Antialiasing, false);
    const int steps = int(std::lround(length / step));
    for (int i = 0; i <= 2 * steps; ++i) {
        const qreal y = kScaleBottom - (kScaleBottom - kScaleTop) * i / (2.0 * steps);
        p.setPen(QPen(Palette::ink(), 1));
        p.drawLine(QPointF(kScaleX, y), QPointF(kScaleX + (i % 2 == 0 ? 7 : 4), y));
        if (i % 2 == 0 && (steps <= 5 || i % 4 == 0))
            drawSmallText(p, QRectF(kScaleX + 12, y - 8, 30, 16), Qt::AlignLeft | Qt::AlignVCenter,
                          decimalText(step * i / 2));
    }
    drawSmallText(p, QRectF(kScaleX - 2, kScaleTop - 22, 16, 16), Qt::AlignCenter, QStringLiteral("m"));
    p.setPen(QPen(Palette::mark(), 2));
    p.drawLine(QPointF(load.right(), bottom), QPointF(kScaleX + 8, bottom));
    p.restore();
    // The rows of the two winches, in the order of their boxes.
    const QStringList legends = scene.energy ? QStringList{QStringLiteral("m ="), QStringLiteral("W ="),
                                                          QStringLiteral("h ="), QStringLiteral("t ="),
                                                          QStringLiteral("P =")}
                                            : QStringList{QStringLiteral("W ="), QStringLiteral("s ="),
                                                          QStringLiteral("t ="), QStringLiteral("P =")};
    for (int row = 0; row < legends.size(); ++row)
        LabScene::drawLegend(p, winchBox(row), legends[row]);
}

QPoint MechanicsScenePainter::winchBox(int row)
{
    return QPoint(kWinchBoxX, kWinchRowTop + kWinchRowStep * row);
}

} // namespace orbeta
