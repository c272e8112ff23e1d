// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How a drawing becomes a sprite: covered pixels keep their colour, the rest
// become exact magenta, and edge pixels never mix magenta in.
#include "look/basics/Palette.h"
#include "look/basics/PictureImage.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace orbeta;

namespace {

QColor pixel(const QImage& image, int x, int y) { return image.pixelColor(x, y); }

QImage sprite(const PictureImage::Draw& draw, QColor matte = {})
{
    return PictureImage::sprite({8, 4}, draw, matte);
}

TEST(SpriteRender, CoveredPixelsKeepTheirColourAndTheRestAreMagenta)
{
    const QImage image = sprite([](QPainter& p, QSize) {
        p.fillRect(QRect(0, 0, 4, 4), QColor(10, 200, 30));
    });
    EXPECT_EQ(image.format(), QImage::Format_RGB888);
    EXPECT_EQ(pixel(image, 0, 0), QColor(10, 200, 30));
    EXPECT_EQ(pixel(image, 3, 3), QColor(10, 200, 30));
    EXPECT_EQ(pixel(image, 4, 0), QColor(255, 0, 255));
    EXPECT_EQ(pixel(image, 7, 3), QColor(255, 0, 255));
}

TEST(SpriteRender, PartlyCoveredPixelsBlendWithTheMatteOrStayHard)
{
    // Column 0 fully covered, column 1 about 60 % covered, column 2 about 20 %.
    const auto draw = [](QPainter& p, QSize) {
        p.fillRect(QRect(0, 0, 1, 4), QColor(0, 0, 100));
        p.fillRect(QRect(1, 0, 1, 4), QColor(0, 0, 100, 153));
        p.fillRect(QRect(2, 0, 1, 4), QColor(0, 0, 100, 51));
    };
    const QImage hard = sprite(draw);
    EXPECT_EQ(pixel(hard, 1, 0), QColor(0, 0, 100));
    EXPECT_EQ(pixel(hard, 2, 0), QColor(255, 0, 255));

    const QImage matted = sprite(draw, QColor(200, 200, 200));
    const QColor edge = pixel(matted, 1, 0);
    EXPECT_NEAR(edge.red(), 80, 3);   // 40 % of the matte's 200
    EXPECT_NEAR(edge.blue(), 140, 3); // 60 % of 100 + 40 % of 200
    EXPECT_EQ(pixel(matted, 2, 0), QColor(255, 0, 255));
}

TEST(SpriteRender, ADrawnMagentaNeverReadsAsTransparent)
{
    const QImage image = sprite([](QPainter& p, QSize size) {
        p.fillRect(QRect(QPoint(0, 0), size), QColor(255, 0, 255));
    });
    EXPECT_NE(pixel(image, 0, 0), QColor(255, 0, 255));
}

TEST(SpriteRender, OpaquePicturesStartOnPaperAndKeepEveryPixel)
{
    const QImage image = PictureImage::opaque({4, 4}, [](QPainter& p, QSize) {
        p.fillRect(QRect(0, 0, 2, 2), QColor(1, 2, 3));
    });
    EXPECT_EQ(pixel(image, 0, 0), QColor(1, 2, 3));
    EXPECT_EQ(pixel(image, 3, 3), Palette::paper());
}

} // namespace
