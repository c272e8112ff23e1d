// The apparatus of the calculation scenes, cut out of the scenes' own drawing.
#include "art/PictureCatalogue.h"
#include "art/pictures/Screens.h"
#include "look/CircuitScenePainter.h"
#include "look/DensityScenePainter.h"
#include "look/HeatScenePainter.h"
#include "look/LabScene.h"
#include "look/MotionScenePainter.h"
#include "look/PictureNames.h"

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
    const QRect board = CircuitScenePainter::diagramRect();
    for (const auto& [code, kind] : {std::pair{"5a", CircuitKind::OhmsLaw}, std::pair{"5b", CircuitKind::Energy},
                                     std::pair{"5c", CircuitKind::Power}, std::pair{"5d", CircuitKind::Series},
                                     std::pair{"5e", CircuitKind::Parallel}}) {
        c.addSprite(
            PictureNames::circuit(QString::fromLatin1(code)), board.size(),
            [board, kind](QPainter& p, QSize) {
                p.translate(-board.topLeft());
                CircuitScenePainter::drawDiagram(p, kind);
            },
            LabScene::wall());
    }
}

} // namespace orbeta
