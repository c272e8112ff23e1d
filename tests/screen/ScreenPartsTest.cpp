// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frame/TopButtons.h"
#include "screen/AnimationStrip.h"
#include "screen/Blits.h"
#include "screen/Form.h"
#include "screen/PictureButton.h"
#include "screen/ScreenHost.h"
#include "services/Resources.h"
#include "tests/support/FakeServices.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdlib>

#include <sys/stat.h>

using namespace orbeta;

namespace {

const QRgb magenta = qRgb(255, 0, 255);

// A 4 x 3 sprite: magenta except a red cross in the middle column and row 1.
QImage crossSprite()
{
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(magenta);
    for (int y = 0; y < 3; ++y)
        image.setPixel(1, y, qRgb(200, 0, 0));
    for (int x = 0; x < 4; ++x)
        image.setPixel(x, 1, qRgb(200, 0, 0));
    return image;
}

// The region of the per-pixel definition: the whole picture minus every
// transparent pixel, one at a time.
QRegion regionPixelByPixel(const QImage& image)
{
    QRegion region(0, 0, image.width(), image.height());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == (magenta & 0xFFFFFF))
                region -= QRegion(x, y, 1, 1);
    return region;
}

} // namespace

TEST(BlitTransparent, KeepsDestinationUnderTransparentPixelsAndSourceUnchanged)
{
    const QImage source = crossSprite();
    const QImage before = source;
    QImage destination(6, 5, QImage::Format_RGB32);
    destination.fill(qRgb(0, 0, 255));
    const QColor returned = BlitTransparent(destination, 1, 1, 4, 3, source, 0, 0, QColor(magenta));
    EXPECT_EQ(returned, QColor(magenta));
    EXPECT_EQ(source, before);
    EXPECT_EQ(destination.pixel(1, 1), qRgb(0, 0, 255));  // transparent corner
    EXPECT_EQ(destination.pixel(2, 1), qRgb(200, 0, 0));  // cross
    EXPECT_EQ(destination.pixel(4, 2), qRgb(200, 0, 0));
    EXPECT_EQ(destination.pixel(4, 3), qRgb(0, 0, 255));
    EXPECT_EQ(destination.pixel(0, 0), qRgb(0, 0, 255));  // outside the rectangle
}

TEST(ShapeWindowFromBitmap, SameRegionAsThePerPixelLoop)
{
    const QImage cross = crossSprite();
    EXPECT_TRUE((RegionFromBitmap(cross, QColor(magenta)) ^ regionPixelByPixel(cross)).isEmpty());

    QImage ring(9, 7, QImage::Format_RGB32);
    ring.fill(qRgb(10, 20, 30));
    for (int y = 2; y < 5; ++y)
        for (int x = 3; x < 6; ++x)
            ring.setPixel(x, y, magenta);
    ring.setPixel(0, 0, magenta);
    ring.setPixel(8, 6, qRgb(255, 0, 254)); // near magenta stays
    EXPECT_EQ(RegionFromBitmap(ring, QColor(magenta)), regionPixelByPixel(ring));
    EXPECT_EQ(RegionFromBitmap(ring, QColor(magenta)).rectCount(), regionPixelByPixel(ring).rectCount());

    QImage empty(3, 3, QImage::Format_RGB32);
    empty.fill(magenta);
    EXPECT_TRUE(RegionFromBitmap(empty, QColor(magenta)).isEmpty());
}

TEST(ShapeWindowFromBitmap, ClicksOnTransparentPixelsReachTheFormBelow)
{
    ScreenHost host;
    Form form(QStringLiteral("frm_Test"));
    host.showForm(&form);
    Form hint(QStringLiteral("frm_Hint"));
    SetUpForm(hint, 4, 3);
    hint.setPicture(QPixmap::fromImage(crossSprite()));
    ShapeWindowFromBitmap(hint, QColor(magenta));
    host.showPopup(&hint, QPoint(100, 100));
    EXPECT_EQ(host.stage()->childAt(101, 101), &hint);
    EXPECT_EQ(host.stage()->childAt(100, 100), &form);
    EXPECT_EQ(host.currentForm(), &form);
}

TEST(NormaliseControls, FontsBecomeTwelvePointAndTabStopsGo)
{
    QWidget form;
    auto* edit = new QLineEdit(&form);
    edit->setGeometry(10, 20, 100, 30);
    auto* label = new QLabel(&form);
    label->setGeometry(5, 5, 50, 10);
    NormaliseControls(form);
    EXPECT_EQ(edit->geometry(), QRect(10, 20, 100, 30));
    EXPECT_EQ(edit->font().pixelSize(), 16);
    EXPECT_FALSE(edit->focusPolicy() & Qt::TabFocus);
    EXPECT_EQ(label->font().pixelSize(), 16);
}

// Which button is highlighted is TaskFrameTest's hover test.
TEST(TopButtons, BuiltEdgeToEdge)
{
    QWidget form;
    TopButtons picTop{new PictureButton(&form), nullptr, nullptr, nullptr};
    picTop.at(0)->setFixedPictureSize(QSize(40, 30));
    picTop.at(0)->move(200, 0);
    BuildTopButtons(form, picTop, Resources());
    for (int i = 0; i < 4; ++i) {
        ASSERT_NE(picTop.at(i), nullptr);
        EXPECT_EQ(picTop.at(i)->pos(), QPoint(200 + 40 * i, 0));
    }
}

// The hover id is the host's that shows the form (one sound an item and its
// clearing are the frame's and the menu's hover tests); a second host and a
// form on no stage keep their own.
TEST(HoverId, EachHostKeepsItsOwn)
{
    FakeServices services;
    ScreenHost host;
    ScreenHost other;
    QWidget form(host.stage());
    QWidget button(&form);
    EXPECT_EQ(ScreenHost::of(&button), &host);
    EXPECT_TRUE(EnterHoverItem(services, button, 4));
    EXPECT_EQ(host.hoverId(), 4);
    EXPECT_EQ(other.hoverId(), 0);

    QWidget alone;
    EXPECT_EQ(ScreenHost::of(&alone), nullptr);
    EXPECT_TRUE(EnterHoverItem(services, alone, 4));
    EXPECT_TRUE(EnterHoverItem(services, alone, 4));
    EXPECT_EQ(host.hoverId(), 4);
}

// Its clicks and its mark are every form's; its size is its picture's.
TEST(PictureButton, TakesTheSizeOfItsPicture)
{
    QPixmap normal(20, 10);
    normal.fill(Qt::white);
    PictureButton button(nullptr, 7);
    button.setPictures(normal, normal);
    EXPECT_EQ(button.size(), QSize(20, 10));
}

TEST(PictureButton, ADisabledButtonLooksMutedAndNeverHighlighted)
{
    QPixmap normal(20, 10);
    normal.fill(QColor(200, 30, 30));
    QPixmap highlighted(20, 10);
    highlighted.fill(QColor(250, 220, 0));
    PictureButton button;
    button.setPictures(normal, highlighted);
    const QImage enabled = button.grab().toImage();
    button.setEnabled(false);
    const QImage muted = button.grab().toImage();
    EXPECT_NE(enabled, muted);
    const QColor pixel = muted.pixelColor(5, 5);
    EXPECT_LT(std::abs(pixel.red() - pixel.green()), 40); // greyed
    button.showHighlighted();
    EXPECT_EQ(button.grab().toImage(), muted);
    button.setDisabledLook(false);
    EXPECT_EQ(button.grab().toImage().pixelColor(5, 5), QColor(250, 220, 0));
}

TEST(Resources, CursorHotSpotAndAnimationStrip)
{
    QByteArray cur(6 + 16, '\0');
    cur[2] = 2;
    cur[4] = 1;
    cur[6 + 4] = 5;
    cur[6 + 6] = 9;
    EXPECT_EQ(Resources::cursorHotSpot(cur), std::optional<QPoint>(QPoint(5, 9)));
    cur[2] = 1; // an icon, not a cursor
    EXPECT_FALSE(Resources::cursorHotSpot(cur).has_value());

    QImage strip(23 * 4, 3, QImage::Format_RGB32);
    for (int i = 0; i < 23; ++i)
        for (int x = 0; x < 4; ++x)
            for (int y = 0; y < 3; ++y)
                strip.setPixel(i * 4 + x, y, qRgb(i, 0, 0));
    const AnimationStrip frames(QPixmap::fromImage(strip), 23);
    EXPECT_EQ(frames.frameSize(), QSize(4, 3));
    EXPECT_EQ(frames.frame(22).toImage().pixel(0, 0), qRgb(22, 0, 0));
    EXPECT_TRUE(frames.frame(23).isNull());
    EXPECT_TRUE(AnimationStrip(QPixmap(), 23).frame(0).isNull());
}

TEST(Resources, PicturesAndCursorsReadByNameAndByContent)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("Bitmap"));
    ASSERT_TRUE(crossSprite().save(dir.filePath("Bitmap/cross.bmp"), "BMP"));
    // Named as a bitmap but stored as PNG: still read, by its content.
    ASSERT_TRUE(crossSprite().save(dir.filePath("Bitmap/png.bmp"), "PNG"));
    ASSERT_TRUE(QImage(16, 16, QImage::Format_ARGB32).save(dir.filePath("Hand.cur"), "ICO"));
    const Resources resources(Installation{.resourceDir = dir.path() + "/"});

    EXPECT_EQ(resources.image("Bitmap\\cross.bmp").convertToFormat(QImage::Format_RGB32), crossSprite());
    EXPECT_EQ(resources.image("Bitmap\\png.bmp").convertToFormat(QImage::Format_RGB32), crossSprite());
    EXPECT_TRUE(resources.image("Bitmap\\none.bmp").isNull());
    // A FIFO in the picture's place is no picture, and is not waited on.
    ASSERT_EQ(mkfifo(QFile::encodeName(dir.filePath("Bitmap/fifo.bmp")).constData(), 0600), 0);
    EXPECT_TRUE(resources.image("Bitmap\\fifo.bmp").isNull());
    const QCursor fallback(Qt::WaitCursor);
    EXPECT_EQ(resources.cursor("Hand.cur", fallback).pixmap().size(), QSize(16, 16));
    EXPECT_EQ(resources.cursor("none.cur", fallback).shape(), Qt::WaitCursor);
}
