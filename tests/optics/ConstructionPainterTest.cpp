// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The correct construction as the hint window and the answer sheet draw it:
// told apart from the pupil's drawing, its extensions ending where the
// pupil's do, its letters readable when the picture is drawn small.
#include "calc/basics/RandomSource.h"
#include "look/basics/Palette.h"
#include "optics/ConstructionPainter.h"
#include "optics/OpticsGenerator.h"
#include "tests/optics/OpticsTestScenes.h"

#include <QImage>
#include <QPainter>

#include <algorithm>

#include <gtest/gtest.h>

using namespace orbeta;

namespace {

std::vector<OpticsExample> examples(int seeds)
{
    std::vector<OpticsExample> all;
    for (int seed = 0; seed < seeds; ++seed) {
        RandomSource random(std::uint64_t(seed) + 1);
        const OpticsRnd rnd = [&random] { return random.Rnd(); };
        for (int slot = 1; slot <= MirrorScenes::kSlots; ++slot)
            all.push_back(*OpticsGenerator::onMirror(test::shippedMirrors(), slot, rnd));
        for (int slot = 1; slot <= LensScenes::kSlots; ++slot)
            all.push_back(*OpticsGenerator::onLens(test::shippedLenses(), slot, rnd));
    }
    return all;
}

QImage correctConstruction(const OpticsExample& e)
{
    QImage image(OpticsGenerator::kArea, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    ConstructionPainter::drawCorrect(p, e);
    return image;
}

} // namespace

TEST(ConstructionPainter, TheCorrectImageIsRedBesideThePupilsGreenOne)
{
    for (const OpticsExample& e : examples(3)) {
        const QImage image = correctConstruction(e);
        int red = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                ASSERT_NE(image.pixel(x, y), Palette::imageArrow().rgb()) << e.sceneIndex;
                red += image.pixel(x, y) == Palette::ray().rgb();
            }
        EXPECT_GT(red, 0);
    }
}

TEST(ConstructionPainter, DottedExtensionsEndOnTheAxis)
{
    // Behind a convex mirror, or before a diverging lens, nothing of the
    // construction lies below the axis: the extensions stop where they meet it.
    for (const OpticsExample& e : examples(4)) {
        if (e.kind != SceneKind::Second)
            continue;
        const QImage image = correctConstruction(e);
        const bool mirror = e.task == OpticsTask::Mirror;
        const int pole = mirror ? 2 * e.focus.x() - e.centre.x() : e.centre.x();
        for (int y = e.axisY() + 3; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const bool behind = mirror ? x > pole + 1 : x < pole - 1;
                if (behind) {
                    ASSERT_NE(image.pixel(x, y), Palette::ray().rgb())
                        << "slot " << e.sceneIndex << " at " << x << ", " << y;
                }
            }
    }
}

TEST(ConstructionPainter, LettersStayReadableOnAPictureDrawnSmall)
{
    const double scale = 0.58; // the hint window's picture
    for (const OpticsExample& e : examples(1)) {
        QImage image(QSize(361, 200), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        p.scale(scale, scale);
        ConstructionPainter::drawLetters(p, e, int(OpticsPainter::kLetterPixels / scale));
        p.end();
        // The letter F under the axis: its ink as tall as on the full-size area.
        const int fx = int(e.focus.x() * scale);
        int top = image.height();
        int bottom = -1;
        for (int y = int(e.axisY() * scale); y < image.height(); ++y)
            for (int x = fx - 12; x <= fx + 12; ++x)
                if (qGray(image.pixel(x, y)) < 128) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        EXPECT_GE(bottom - top + 1, 9) << e.sceneIndex;
    }
}

TEST(ConstructionPainter, AVirtualImageStaysClearOnTheScaledDownSolution)
{
    // The hint window draws the construction at 58 %: the virtual image's
    // dashes must still be solid red there, not a faint pink dotted line.
    const double scale = 0.58;
    int virtualImages = 0;
    for (const OpticsExample& e : examples(12)) {
        // Images tall enough to show a shaft between the head and the axis.
        if (!e.virtualImage() || e.axisY() - e.image.y() < 40)
            continue;
        ++virtualImages;
        QImage image(QSize(361, 200), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(scale, scale);
        ConstructionPainter::drawCorrect(p, e);
        p.end();
        // Rows of the arrow's shaft, away from its head and from the axis.
        const int x = int(e.image.x() * scale);
        const int from = int(std::min(e.image.y(), e.axisY()) * scale) + 8;
        const int to = int(std::max(e.image.y(), e.axisY()) * scale) - 3;
        int rows = 0;
        int strong = 0;
        for (int y = from; y < to; ++y, ++rows)
            for (int dx = -2; dx <= 2; ++dx)
                if (qRed(image.pixel(x + dx, y)) > 200 && qGreen(image.pixel(x + dx, y)) < 130) {
                    ++strong;
                    break;
                }
        EXPECT_GT(strong * 5, rows * 2) << "slot " << e.sceneIndex << " image " << e.image.x() << ", " << e.image.y();
    }
    EXPECT_GT(virtualImages, 3);
}
