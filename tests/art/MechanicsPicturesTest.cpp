// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The apparatus pictures of "2a" to "2e": every file the scenes name exists
// as a sprite at the size of its drawing.
#include "art/FullCatalogue.h"
#include "look/LeverScenePainter.h"
#include "look/MechanicsScenePainter.h"
#include "look/PictureNames.h"

#include <gtest/gtest.h>

using namespace orbeta;

namespace {

TEST(MechanicsPictures, EveryApparatusPictureIsASpriteAtTheSizeOfItsDrawing)
{
    using M = MechanicsScenePainter;
    QList<std::pair<QString, QSize>> expected{
        {PictureNames::pressTank(), M::pressApparatus().size()},  {PictureNames::pressWeight(), M::kWeightSize},
        {PictureNames::board(), M::boardApparatus().size()},      {PictureNames::winch(false), M::winchApparatus().size()},
        {PictureNames::winch(true), M::winchApparatus().size()},
    };
    for (int frame = 1; frame <= M::kDrumFrames; ++frame)
        expected.append({PictureNames::drum(frame), M::kDrumSize});
    using Tilt = PictureNames::LeverTilt;
    for (Tilt tilt : {Tilt::Level, Tilt::Left, Tilt::Right})
        expected.append({PictureNames::lever(tilt), LeverScenePainter::leverApparatus().size()});
    for (int mass = 1; mass <= 20; ++mass)
        for (bool ring : {false, true})
            expected.append({PictureNames::leverWeight(mass, ring), LeverScenePainter::kWeightSize});
    const PictureCatalogue catalogue = fullCatalogue();
    for (const auto& [name, size] : expected) {
        const Picture* picture = catalogue.find(name);
        ASSERT_NE(picture, nullptr) << name.toStdString();
        EXPECT_EQ(picture->size, size) << name.toStdString();
        EXPECT_EQ(picture->kind, PictureKind::Sprite) << name.toStdString();
    }
    EXPECT_EQ(PictureNames::leverWeight(7, true), QStringLiteral("Bitmap\\Games\\Zavaz07a.bmp"));
    // Each weight shows its own mass, and the lever pictures differ by their tilt.
    EXPECT_NE(PictureCatalogue::render(*catalogue.find(PictureNames::leverWeight(11, true))),
              PictureCatalogue::render(*catalogue.find(PictureNames::leverWeight(17, true))));
    EXPECT_NE(PictureCatalogue::render(*catalogue.find(PictureNames::lever(Tilt::Left))),
              PictureCatalogue::render(*catalogue.find(PictureNames::lever(Tilt::Right))));
    // The drum turns: its frames differ.
    EXPECT_NE(PictureCatalogue::render(*catalogue.find(PictureNames::drum(1))),
              PictureCatalogue::render(*catalogue.find(PictureNames::drum(2))));
}

} // namespace
