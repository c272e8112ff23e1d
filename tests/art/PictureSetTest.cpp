// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The whole picture set: names the forms and the scenes load, sizes, and the
// sprite rule (exact magenta where transparent, nothing near it anywhere else).
#include "art/pictures/FullCatalogue.h"
#include "look/basics/Layout.h"
#include "look/basics/Palette.h"
#include "look/basics/PictureImage.h"
#include "look/basics/PictureNames.h"
#include "look/basics/Typeface.h"
#include "look/scenes/LabScene.h"
#include "look/scenes/MotionScenePainter.h"
#include "menu/SetupLayout.h"
#include "results/hint/HintLayout.h"
#include "startup/StartUpCheck.h"

#include <QImage>
#include <QMap>
#include <QPainter>
#include <QRegularExpression>
#include <gtest/gtest.h>


using namespace orbeta;

namespace {

const QMap<QString, QImage>& rendered()
{
    static const QMap<QString, QImage> images = [] {
        Typeface::loadFonts();
        QMap<QString, QImage> out;
        const PictureCatalogue catalogue = fullCatalogue();
        for (const Picture& p : catalogue.pictures())
            out.insert(p.name, PictureCatalogue::render(p));
        return out;
    }();
    return images;
}

QSize sizeOf(const QString& name)
{
    return rendered().value(name).size();
}

bool isMagenta(const uchar* px) { return px[0] == 255 && px[1] == 0 && px[2] == 255; }

// Close to magenta without being it: what an anti-aliased fringe looks like.
bool nearMagenta(const uchar* px)
{
    return !isMagenta(px) && px[0] > 150 && px[2] > 150 && px[1] < 110 && std::abs(px[0] - px[2]) < 90;
}

// How a picture must fit where the form puts it.
enum class Fit {
    Exactly,       // the size of its place
    WithinScratch, // copied through the menu's scratch box, so no larger
    Anywhere,      // only checked at start-up
};

struct Loaded {
    QString name;
    QSize size;
    Fit fit = Fit::Exactly;
};

// Every picture the forms load, by the rules they load it with, at the size
// of the place they give it. (The scenes draw their apparatus themselves: the
// catalogue alone names the pictures of it.)
QList<Loaded> picturesTheProgramLoads()
{
    QList<Loaded> loaded;
    const auto both = {ButtonLook::Normal, ButtonLook::Highlighted};
    loaded << Loaded{PictureNames::menuBackground(), Layout::kScreen}
           << Loaded{PictureNames::title(), Layout::kScreen} << Loaded{PictureNames::credits(), Layout::kScreen}
           << Loaded{PictureNames::taskBackground(), Layout::kScreen}
           << Loaded{PictureNames::resultsBackground(), Layout::kScreen}
           << Loaded{SetupLayout::continueBackground(), Layout::kContinueButton.size()}
           << Loaded{SetupLayout::printBackground(), Layout::kPrintButton.size()};
    const QSize strip(Layout::kContinueButton.width() * Layout::kStripFrames, Layout::kContinueButton.height());
    loaded << Loaded{PictureNames::continueStrip(), strip} << Loaded{PictureNames::printStrip(), strip};
    for (ButtonLook look : both) {
        loaded << Loaded{PictureNames::endButton(look), Layout::kEndButton.size()}
               << Loaded{PictureNames::resultsBack(look), Layout::kResultsBack.size()}
               << Loaded{SetupLayout::backPicture(look == ButtonLook::Highlighted), Layout::kSetupBack.size()};
        for (int t = 1; t <= TaskTable::kTopicCount; ++t)
            loaded << Loaded{PictureNames::topicButton(t, look), Layout::kTopicButton1.size()};
        using TopButton = PictureNames::TopButton;
        for (TopButton b : {TopButton::Check, TopButton::New, TopButton::Table, TopButton::Back})
            loaded << Loaded{PictureNames::topButton(b, look), Layout::kTopButton1.size()};
    }
    for (const QString& name : StartUpCheck::requiredResourceFiles()) {
        if (name.startsWith(QStringLiteral("Bitmap\\")))
            loaded << Loaded{name, {}, Fit::Anywhere};
    }
    for (const TaskRow& row : TaskTable::rows()) {
        const QString code = TaskTable::code(row);
        for (ButtonLook look : {ButtonLook::Normal, ButtonLook::Highlighted, ButtonLook::Chosen})
            loaded << Loaded{PictureNames::taskButton(code, look), Layout::kTaskButton1.size()};
        const SetupLayout setup = SetupLayout::forTask(code);
        const bool history = setup.group() == TopicGroup::History;
        loaded << Loaded{setup.background(), Layout::kScreen} << Loaded{setup.helpPicture(), Layout::kScreen}
               << Loaded{setup.headingPicture(), history ? Layout::kHeadingSize6 : Layout::kHeadingSize15}
               << Loaded{setup.topicPicture(), Layout::kScratchSize, Fit::WithinScratch}
               << Loaded{PictureNames::taskPicture(code), Layout::kScratchSize, Fit::WithinScratch};
        for (int i = 1; i <= SetupLayout::kCountButtons; ++i) {
            loaded << Loaded{setup.countPicture(i, false), Layout::kCountButton1.size()}
                   << Loaded{setup.countPicture(i, true), Layout::kCountButton1.size()}
                   << Loaded{setup.arrowPicture(i), Layout::kArrowSize};
        }
        const HintLayout hint = HintLayout::forTask(code);
        loaded << Loaded{hint.picture(), hint.windowSize()};
        if (row.form == TaskFormKind::Mech1)
            loaded << Loaded{PictureNames::taskHelp(code), Layout::kScreen};
    }
    using ExperimentButton = PictureNames::ExperimentButton;
    for (ExperimentButton state : {ExperimentButton::Disabled, ExperimentButton::Play, ExperimentButton::PlayPressed,
                                   ExperimentButton::Stop, ExperimentButton::StopPressed})
        loaded << Loaded{PictureNames::experimentButton(state), Layout::kExperimentButton.size()};
    using CalculatorKey = PictureNames::CalculatorKey;
    for (CalculatorKey key : {CalculatorKey::Plus, CalculatorKey::Minus, CalculatorKey::Times, CalculatorKey::Divide,
                              CalculatorKey::Clear}) {
        loaded << Loaded{PictureNames::calculatorKey(key, false), Layout::kCalculatorKey1.size()}
               << Loaded{PictureNames::calculatorKey(key, true), Layout::kCalculatorKey1.size()};
    }
    loaded << Loaded{PictureNames::checkMark(true), Layout::kCheckMark.size()}
           << Loaded{PictureNames::checkMark(false), Layout::kCheckMark.size()}
           << Loaded{PictureNames::tableGround(), Layout::kTableBlueSize}
           << Loaded{PictureNames::tableTop(), Layout::kTableTopSize}
           << Loaded{PictureNames::tableBody(), Layout::kTableBodySize}
           << Loaded{PictureNames::tableBottom(), Layout::kTableBottomSize};
    return loaded;
}

TEST(PictureSet, HoldsEveryPictureTheProgramLoadsAtTheSizeOfItsPlace)
{
    const PictureCatalogue catalogue = fullCatalogue();
    for (const Loaded& picture : picturesTheProgramLoads()) {
        ASSERT_TRUE(rendered().contains(picture.name)) << qPrintable(picture.name);
        const QSize size = sizeOf(picture.name);
        if (picture.fit == Fit::Exactly) {
            EXPECT_EQ(size, picture.size) << qPrintable(picture.name);
        } else if (picture.fit == Fit::WithinScratch) {
            EXPECT_LE(size.width(), picture.size.width()) << qPrintable(picture.name);
            EXPECT_LE(size.height(), picture.size.height()) << qPrintable(picture.name);
        }
    }
    // The file lookup ignores case: the body of "1c" is the file of body 1.
    EXPECT_EQ(catalogue.find(QStringLiteral("Bitmap\\Games\\Obj01.bmp")), catalogue.find(PictureNames::body(1)));
    EXPECT_EQ(PictureNames::leverWeight(7, true), QStringLiteral("Bitmap\\Games\\Zavaz07a.bmp"));
}

// The last frame of a strip is the finished button; the first is still mostly its empty place.
TEST(PictureSet, AnimationStripsChangeFromFirstToLastFrame)
{
    for (const QString& name : {PictureNames::continueStrip(), PictureNames::printStrip()}) {
        const QImage strip = rendered().value(name);
        const int w = strip.width() / Layout::kStripFrames;
        EXPECT_NE(strip.copy(0, 0, w, strip.height()), strip.copy(strip.width() - w, 0, w, strip.height()))
            << qPrintable(name);
    }
}

TEST(PictureSet, SpritesAreExactMagentaOutsideWithoutFringe)
{
    const PictureCatalogue catalogue = fullCatalogue();
    int sprites = 0;
    for (const Picture& picture : catalogue.pictures()) {
        const QImage& image = rendered()[picture.name];
        ASSERT_EQ(image.format(), QImage::Format_RGB888);
        int magenta = 0, fringe = 0;
        for (int y = 0; y < image.height(); ++y) {
            const uchar* line = image.constScanLine(y);
            for (int x = 0; x < image.width(); ++x) {
                magenta += isMagenta(line + 3 * x);
                fringe += nearMagenta(line + 3 * x);
            }
        }
        EXPECT_EQ(fringe, 0) << qPrintable(picture.name);
        if (picture.kind == PictureKind::Sprite) {
            ++sprites;
            EXPECT_GT(magenta, 0) << qPrintable(picture.name);
            EXPECT_LT(magenta, image.width() * image.height()) << qPrintable(picture.name);
        } else {
            EXPECT_EQ(magenta, 0) << qPrintable(picture.name);
        }
    }
    // The topic and task pictures of every task and the hint bubbles.
    EXPECT_GE(sprites, 2 * int(TaskTable::rows().size()) + int(Layout::kHintBubble.size()));
}

// Pictures drawn from one drawing with a parameter: the parameter shows.
TEST(PictureSet, ButtonLooksAndSceneFramesDiffer)
{
    using Look = ButtonLook;
    using TopButton = PictureNames::TopButton;
    using Tilt = PictureNames::LeverTilt;
    const std::pair<QString, QString> pairs[] = {
        {PictureNames::topicButton(1, Look::Normal), PictureNames::topicButton(1, Look::Highlighted)},
        {PictureNames::taskButton("5e", Look::Normal), PictureNames::taskButton("5e", Look::Highlighted)},
        {PictureNames::taskButton("1a", Look::Highlighted), PictureNames::taskButton("1a", Look::Chosen)},
        {PictureNames::topButton(TopButton::Check, Look::Normal), PictureNames::topButton(TopButton::Check, Look::Highlighted)},
        {PictureNames::countButton(TopicGroup::History, 15, false), PictureNames::countButton(TopicGroup::History, 15, true)},
        {PictureNames::resultsBack(Look::Normal), PictureNames::resultsBack(Look::Highlighted)},
        {PictureNames::experimentButton(PictureNames::ExperimentButton::Play),
         PictureNames::experimentButton(PictureNames::ExperimentButton::Disabled)},
        {PictureNames::calculatorKey(PictureNames::CalculatorKey::Divide, false),
         PictureNames::calculatorKey(PictureNames::CalculatorKey::Divide, true)},
        // Each weight shows its own mass, the lever its tilt, the drum turns.
        {PictureNames::leverWeight(11, true), PictureNames::leverWeight(17, true)},
        {PictureNames::lever(Tilt::Left), PictureNames::lever(Tilt::Right)},
        {PictureNames::drum(1), PictureNames::drum(2)},
    };
    for (const auto& [one, other] : pairs) {
        ASSERT_FALSE(rendered().value(one).isNull()) << qPrintable(one);
        EXPECT_NE(rendered().value(one), rendered().value(other)) << qPrintable(one);
    }
}

QColor at(const QString& name, int x, int y)
{
    return rendered().value(name).pixelColor(x, y);
}

double meanLuminance(const QImage& image)
{
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            sum += qGray(image.pixel(x, y));
    return sum / (image.width() * image.height());
}

TEST(PictureSet, ChosenButtonsAreClearlyDarkerThanNormalOnes)
{
    const std::pair<QString, QString> pairs[] = {
        {PictureNames::taskButton("2c", ButtonLook::Normal), PictureNames::taskButton("2c", ButtonLook::Chosen)},
        {PictureNames::taskButton("6b", ButtonLook::Normal), PictureNames::taskButton("6b", ButtonLook::Chosen)},
        {PictureNames::countButton(TopicGroup::Physics, 10, false), PictureNames::countButton(TopicGroup::Physics, 10, true)},
        {PictureNames::experimentButton(PictureNames::ExperimentButton::Stop),
         PictureNames::experimentButton(PictureNames::ExperimentButton::StopPressed)},
    };
    for (const auto& [normal, chosen] : pairs)
        EXPECT_GT(meanLuminance(rendered().value(normal)) - meanLuminance(rendered().value(chosen)), 60)
            << qPrintable(normal);
}

// Button pictures are opaque rectangles: their corners and the places the
// screens leave for them must both be the ground colour, or the rounded
// shapes would sit in visible boxes.
TEST(PictureSet, ButtonsAndTheirPlacesShareTheGroundColour)
{
    const QColor ground = Palette::ground();
    for (auto it = rendered().begin(); it != rendered().end(); ++it) {
        static const QRegularExpression button(R"(_[012]\.bmp$|pokracbg|tisknibg)");
        if (!button.match(it.key()).hasMatch())
            continue;
        const QImage& image = it.value();
        EXPECT_EQ(image.pixelColor(0, 0), ground) << qPrintable(it.key());
        EXPECT_EQ(image.pixelColor(image.width() - 1, image.height() - 1), ground) << qPrintable(it.key());
    }
    struct Place {
        QString background;
        QRect rect;
    };
    QList<Place> places = {
        {PictureNames::menuBackground(), Layout::kEndButton},
        {PictureNames::taskBackground(), QRect(Layout::kTopButton1.topLeft(),
                                               QSize(4 * Layout::kTopButton1.width(), Layout::kTopButton1.height()))},
        {PictureNames::resultsBackground(), Layout::kResultsBack},
        {PictureNames::taskBackground(), Layout::kExperimentButton},
        {PictureNames::taskBackground(), Layout::kCheckMark},
        {PictureNames::taskBackground(), Layout::kCalcContinue},
        {PictureNames::setupBackground(TopicGroup::Physics), QRect(Layout::kHeading15, Layout::kHeadingSize15)},
        {PictureNames::setupBackground(TopicGroup::History), QRect(Layout::kHeading6, Layout::kHeadingSize6)},
    };
    for (int t = 0; t < TaskTable::kTopicCount; ++t)
        places.append({PictureNames::menuBackground(), Layout::kTopicButton1.translated(0, Layout::kTopicStep * t)});
    for (int r = 0; r < TaskTable::kMaxTasksPerTopic; ++r) {
        places.append(
            {PictureNames::menuBackground(), Layout::kTaskButton1.translated(0, Layout::kTaskButton1.height() * r)});
    }
    for (int k = 0; k < Layout::kCalculatorKeys; ++k) {
        places.append(
            {PictureNames::taskBackground(), Layout::kCalculatorKey1.translated(Layout::kCalculatorKey1.width() * k, 0)});
    }
    for (TopicGroup group : {TopicGroup::Physics, TopicGroup::History}) {
        const QString bg = PictureNames::setupBackground(group);
        for (QRect r : {Layout::kContinueButton, Layout::kPrintButton, Layout::kSetupBack,
                        QRect(Layout::kArrow, Layout::kArrowSize)})
            places.append({bg, r});
        for (int i = 0; i < TaskTable::kCountButtons; ++i)
            places.append({bg, Layout::kCountButton1.translated(Layout::kCountStep * i, 0)});
    }
    for (const Place& place : places) {
        const QRect r = place.rect;
        for (QPoint corner : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight(), r.center()})
            EXPECT_EQ(at(place.background, corner.x(), corner.y()), ground)
                << qPrintable(place.background) << " at " << corner.x() << "," << corner.y();
    }
}

// The map file and the map of the scene are one drawing: away from the car,
// the arrow and the legends the scene shows the picture pixel for pixel.
TEST(PictureSet, TheMapPictureIsTheMapOfTheScene)
{
    const QImage picture = rendered().value(PictureNames::roadMap());
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
