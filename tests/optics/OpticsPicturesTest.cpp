// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The scene files describe the pictures the art tool draws: each mirror arc
// lies on the circle of its record, the lenses stand where their records say.
#include "files/SafeFile.h"
#include "look/basics/Layout.h"
#include "look/screens/OpticsPainter.h"
#include "look/basics/Palette.h"
#include "optics/OpticsGenerator.h"
#include "optics/OpticsSceneFile.h"

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include <cmath>

using namespace orbeta;

namespace {

QString builtTree(const QString& path)
{
    return qEnvironmentVariable("ORBETA_BUILD_DIR") + QLatin1Char('/') + path;
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage picture(const QString& name)
{
    return QImage(builtTree(QStringLiteral("cd/Bitmap/Games/") + name));
}

} // namespace

TEST(OpticsPictures, TheDrawingAreaIsTheGeneratorsArea)
{
    EXPECT_EQ(Layout::kOpticsPicture.size(), OpticsGenerator::kArea);
    EXPECT_GE(OpticsPainter::kArcHalfHeight, OpticsGenerator::kMirrorHalfHeight);
}

TEST(OpticsPictures, EveryMirrorArcLiesOnTheCircleOfItsRecord)
{
    const auto scenes = OpticsSceneFile::ReadMirrorScenes(bytesOf(builtTree(QStringLiteral("hd/4a.dat"))),
                                                          QStringLiteral("4a.dat"));
    ASSERT_TRUE(scenes) << scenes.error().message().toStdString();
    const QRgb surface = OpticsPainter::surface().rgb();
    for (int slot = 1; slot <= MirrorScenes::kSlots; ++slot) {
        const MirrorScene& s = scenes.value().slot[std::size_t(slot)];
        const QImage image = picture(s.bitmapName).convertToFormat(QImage::Format_RGB32);
        SCOPED_TRACE(s.bitmapName.toStdString());
        ASSERT_EQ(image.size(), OpticsGenerator::kArea);
        int onArc = 0;
        bool vertexDrawn = false;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixel(x, y) != surface)
                    continue;
                ++onArc;
                EXPECT_NEAR(std::hypot(x - s.centre.x(), y - s.centre.y()), s.radius, 1.0) << x << ", " << y;
                vertexDrawn = vertexDrawn || (y == s.vertex.y() && std::abs(x - s.vertex.x()) <= 1);
            }
        }
        // The arc covers the height the objects and rays need.
        EXPECT_GE(onArc, 2 * OpticsGenerator::kMirrorHalfHeight);
        EXPECT_TRUE(vertexDrawn);
        // V is where the mirror meets the axis: no tick stands in front of it.
        for (int x = s.vertex.x() - 15; x < s.vertex.x() - 1; ++x)
            EXPECT_NE(image.pixel(x, s.vertex.y() - 4), Palette::ink().rgb()) << x;
        EXPECT_EQ(s.axisStart.y(), Layout::kOpticsAxisY);
        if (testing::Test::HasFailure())
            return;
    }
}

TEST(OpticsPictures, TheLensesStandOnTheCentreOfTheirRecords)
{
    const auto scenes = OpticsSceneFile::ReadLensScenes(bytesOf(builtTree(QStringLiteral("hd/4b.dat"))),
                                                        QStringLiteral("4b.dat"));
    ASSERT_TRUE(scenes) << scenes.error().message().toStdString();
    for (int slot = 1; slot <= LensScenes::kSlots; ++slot) {
        const LensScene& s = scenes.value().slot[std::size_t(slot)];
        const QImage image = picture(slot == 1 ? QStringLiteral("Spojka.bmp") : QStringLiteral("Rozptylk.bmp"))
                                 .convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(image.size(), OpticsGenerator::kArea);
        // The lens outline is symmetric about the vertical through O, and O is on the axis.
        int left = image.width();
        int right = -1;
        const int row = s.centre.y() - OpticsPainter::kLensHalfHeight / 2;
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, row) != QColor(Qt::magenta).rgb()) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
        EXPECT_NEAR((left + right) / 2.0, s.centre.x(), 1.0) << slot;
        EXPECT_EQ(s.centre.y(), Layout::kOpticsAxisY);
        EXPECT_EQ(s.centre.x() - s.objectFocus.x(),
                  slot == 1 ? OpticsPainter::kConvergingFocus : OpticsPainter::kDivergingFocus);
    }
}
