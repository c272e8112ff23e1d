// The apparatus pictures of "2a" to "2d": every file the scenes name exists
// as a sprite at the size of its drawing.
#include "art/FullCatalogue.h"
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
    const PictureCatalogue catalogue = fullCatalogue();
    for (const auto& [name, size] : expected) {
        const Picture* picture = catalogue.find(name);
        ASSERT_NE(picture, nullptr) << name.toStdString();
        EXPECT_EQ(picture->size, size) << name.toStdString();
        EXPECT_EQ(picture->kind, PictureKind::Sprite) << name.toStdString();
    }
    // The drum turns: its frames differ.
    EXPECT_NE(PictureCatalogue::render(*catalogue.find(PictureNames::drum(1))),
              PictureCatalogue::render(*catalogue.find(PictureNames::drum(2))));
}

} // namespace
