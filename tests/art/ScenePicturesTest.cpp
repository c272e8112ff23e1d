// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The apparatus pictures of the calculation scenes: every file the scenes
// name exists at the size of its drawing, and "1c"'s "Obj01" is body 1.
#include "art/FullCatalogue.h"
#include "look/DensityScenePainter.h"
#include "look/LabScene.h"
#include "look/MotionScenePainter.h"
#include "look/PictureImage.h"
#include "look/PictureNames.h"
#include "look/Typeface.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace orbeta;

namespace {

TEST(ScenePictures, EveryApparatusPictureIsRegisteredAtTheSizeOfItsDrawing)
{
    struct Expected {
        QString name;
        QSize size;
        PictureKind kind;
    };
    QList<Expected> expected{
        {PictureNames::roadMap(), MotionScenePainter::kMapSize, PictureKind::Opaque},
        {PictureNames::car(), MotionScenePainter::kCarSize, PictureKind::Sprite},
        {PictureNames::startArrow(), MotionScenePainter::kArrowSize, PictureKind::Sprite},
    };
    for (bool numbers : {true, false}) {
        expected.append({PictureNames::liquidCylinder(numbers), DensityScenePainter::liquidApparatus().size(),
                         PictureKind::Sprite});
        expected.append({PictureNames::solidCylinder(numbers), DensityScenePainter::solidApparatus().size(),
                         PictureKind::Sprite});
    }
    for (int i = 1; i <= 3; ++i) {
        expected.append({PictureNames::body(i), DensityScenePainter::kBodySize, PictureKind::Sprite});
        expected.append({PictureNames::cart(i), MotionScenePainter::kCartSize, PictureKind::Sprite});
    }
    const PictureCatalogue catalogue = fullCatalogue();
    for (const Expected& e : expected) {
        const Picture* picture = catalogue.find(e.name);
        ASSERT_NE(picture, nullptr) << e.name.toStdString();
        EXPECT_EQ(picture->size, e.size) << e.name.toStdString();
        EXPECT_EQ(picture->kind, e.kind) << e.name.toStdString();
    }
    // The file lookup ignores case: the body of "1c" is the file of body 1.
    EXPECT_EQ(catalogue.find(QStringLiteral("Bitmap\\Games\\Obj01.bmp")), catalogue.find(PictureNames::body(1)));
}

// The map file and the map of the scene are one drawing: away from the car,
// the arrow and the legends the scene shows the picture pixel for pixel.
TEST(ScenePictures, TheMapPictureIsTheMapOfTheScene)
{
    Typeface::loadFonts();
    const PictureCatalogue catalogue = fullCatalogue();
    const QImage picture = PictureCatalogue::render(*catalogue.find(PictureNames::roadMap()));
    const RoadMapScene carAtA{
        .startCity = 1, .targetCity = 3, .car = QPointF(MotionScenePainter::roads()[0][3]), .heading = {}};
    const QImage scene = PictureImage::opaque(LabScene::kSize, [&carAtA](QPainter& p, QSize) {
        MotionScenePainter::drawRoadMapScene(p, carAtA);
    });
    const QPoint origin = MotionScenePainter::kMapOrigin;
    // Counted where the map is not bare land, so that a shifted map shows.
    int drawn = 0, same = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (picture.pixelColor(x, y) == MotionScenePainter::land())
                continue;
            ++drawn;
            same += picture.pixel(x, y) == scene.pixel(origin + QPoint(x, y));
        }
    }
    EXPECT_GT(same, drawn * 9 / 10) << same << " of " << drawn;
}

} // namespace
