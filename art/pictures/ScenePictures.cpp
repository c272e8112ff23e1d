// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The apparatus of the calculation scenes, cut out of the scenes' own drawing.
#include "art/catalogue/PictureCatalogue.h"
#include "art/pictures/Screens.h"
#include "look/basics/PictureNames.h"
#include "look/scenes/CircuitScenePainter.h"
#include "look/scenes/DensityScenePainter.h"
#include "look/scenes/HeatScenePainter.h"
#include "look/scenes/LabScene.h"
#include "look/scenes/LeverScenePainter.h"
#include "look/scenes/MechanicsScenePainter.h"
#include "look/scenes/MotionScenePainter.h"

#include <QPainter>

namespace orbeta {

void Screens::addScenes(PictureCatalogue& c)
{
    const QRect liquid = DensityScenePainter::liquidApparatus();
    const QRect solid = DensityScenePainter::solidApparatus();
    for (bool numbers : {true, false}) {
        c.addSprite(
            PictureNames::liquidCylinder(numbers), liquid.size(),
            [liquid, numbers](QPainter& p, QSize) {
                p.translate(-liquid.topLeft());
                DensityScenePainter::drawLiquidApparatus(p, {.liquidMl = 0, .volumeHidden = !numbers});
            },
            LabScene::wall());
        c.addSprite(
            PictureNames::solidCylinder(numbers), solid.size(),
            [solid, numbers](QPainter& p, QSize) {
                p.translate(-solid.topLeft());
                const SolidDensityScene empty{
                    .liquidMl = 0, .bodyDrop = 0, .body = std::nullopt, .volumeHidden = !numbers};
                DensityScenePainter::drawSolidApparatus(p, empty);
            },
            LabScene::wall());
    }
    for (int body = 1; body <= 3; ++body) {
        c.addSprite(
            PictureNames::body(body), DensityScenePainter::kBodySize,
            [body](QPainter& p, QSize size) { DensityScenePainter::drawBody(p, size, body); }, LabScene::wall());
    }
    for (int frame = 1; frame <= MotionScenePainter::kCartFrames; ++frame) {
        c.addSprite(
            PictureNames::cart(frame), MotionScenePainter::kCartSize,
            [frame](QPainter& p, QSize size) { MotionScenePainter::drawCart(p, size, frame - 1); }, LabScene::wall());
    }
    c.add(PictureNames::roadMap(), MotionScenePainter::kMapSize, MotionScenePainter::drawMap);
    c.addSprite(PictureNames::car(), MotionScenePainter::kCarSize, MotionScenePainter::drawCar,
                MotionScenePainter::asphalt());
    c.addSprite(PictureNames::startArrow(), MotionScenePainter::kArrowSize, MotionScenePainter::drawArrow,
                MotionScenePainter::land());

    const QRect heat = HeatScenePainter::heatApparatus();
    c.addSprite(
        PictureNames::heatApparatus(), heat.size(),
        [heat](QPainter& p, QSize) {
            p.translate(-heat.topLeft());
            HeatScenePainter::drawHeatApparatus(p);
        },
        LabScene::wall());
    const QRect melting = HeatScenePainter::meltingApparatus();
    c.addSprite(
        PictureNames::meltingApparatus(), melting.size(),
        [melting](QPainter& p, QSize) {
            p.translate(-melting.topLeft());
            HeatScenePainter::drawMeltingApparatus(p);
        },
        LabScene::wall());
    for (bool burning : {false, true}) {
        c.addSprite(
            PictureNames::burner(burning), HeatScenePainter::kBurnerSize,
            [burning](QPainter& p, QSize size) { HeatScenePainter::drawBurner(p, size, burning); }, LabScene::wall());
    }
    const QRect diagram = CircuitScenePainter::diagramRect();
    for (const auto& [code, kind] : {std::pair{"5a", CircuitKind::OhmsLaw}, std::pair{"5b", CircuitKind::Energy},
                                     std::pair{"5c", CircuitKind::Power}, std::pair{"5d", CircuitKind::Series},
                                     std::pair{"5e", CircuitKind::Parallel}}) {
        c.addSprite(
            PictureNames::circuit(QString::fromLatin1(code)), diagram.size(),
            [diagram, kind](QPainter& p, QSize) {
                p.translate(-diagram.topLeft());
                CircuitScenePainter::drawDiagram(p, kind);
            },
            LabScene::wall());
    }

    using Mechanics = MechanicsScenePainter;
    const QRect press = Mechanics::pressApparatus();
    c.addSprite(
        PictureNames::pressTank(), press.size(),
        [press](QPainter& p, QSize) {
            p.translate(-press.topLeft());
            Mechanics::drawPressApparatus(p, {});
        },
        LabScene::wall());
    c.addSprite(PictureNames::pressWeight(), Mechanics::kWeightSize, Mechanics::drawWeight, LabScene::wall());
    const QRect board = Mechanics::boardApparatus();
    c.addSprite(
        PictureNames::board(), board.size(),
        [board](QPainter& p, QSize) {
            p.translate(-board.topLeft());
            Mechanics::drawBoard(p, true);
        },
        LabScene::wall());
    const QRect winch = Mechanics::winchApparatus();
    for (bool motor : {false, true}) {
        c.addSprite(
            PictureNames::winch(motor), winch.size(),
            [winch, motor](QPainter& p, QSize) {
                p.translate(-winch.topLeft());
                Mechanics::drawWinch(p, motor);
            },
            LabScene::wall());
    }
    for (int frame = 1; frame <= Mechanics::kDrumFrames; ++frame) {
        c.addSprite(
            PictureNames::drum(frame), Mechanics::kDrumSize,
            [frame](QPainter& p, QSize size) { Mechanics::drawDrum(p, size, frame); }, LabScene::wall());
    }

    const QRect lever = LeverScenePainter::leverApparatus();
    using Tilt = PictureNames::LeverTilt;
    for (const auto& [tilt, angle] : {std::pair{Tilt::Level, 0.0}, std::pair{Tilt::Left, -1.0}, std::pair{Tilt::Right, 1.0}}) {
        c.addSprite(
            PictureNames::lever(tilt), lever.size(),
            [lever, angle](QPainter& p, QSize) {
                p.translate(-lever.topLeft());
                LeverScenePainter::drawLever(p, angle);
            },
            LabScene::wall());
    }
    for (int mass = 1; mass <= 20; ++mass) {
        for (bool ring : {false, true}) {
            c.addSprite(
                PictureNames::leverWeight(mass, ring), LeverScenePainter::kWeightSize,
                [mass, ring](QPainter& p, QSize size) { LeverScenePainter::drawWeight(p, size, mass, ring); },
                LabScene::wall());
        }
    }
}

} // namespace orbeta
