// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The file formats the art tool writes, read back the way the program reads them.
#include "art/encoders/BmpFile.h"
#include "art/encoders/CursorFile.h"
#include "art/encoders/WaveFile.h"
#include "art/tool/ResourceTree.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace orbeta;

namespace {

QByteArray fileNamed(const QList<ResourceTree::File>& files, const QString& name)
{
    for (const auto& f : files) {
        if (f.name == name)
            return f.bytes;
    }
    return {};
}

TEST(BmpFile, WritesTwentyFourBitRowsThatReadBackExactly)
{
    // Width 5 needs row padding; every pixel distinct.
    QImage image(5, 3, QImage::Format_RGB888);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            image.setPixelColor(x, y, QColor(x * 50, y * 100, 255 - x * 40));
    const QByteArray bmp = BmpFile::encode(image);
    EXPECT_EQ(bmp.left(2), "BM");
    EXPECT_EQ(qFromLittleEndian<quint16>(bmp.constData() + 28), 24);
    EXPECT_EQ(bmp.size(), 54 + 3 * 16);
    const QImage back = QImage::fromData(bmp, "BMP").convertToFormat(QImage::Format_RGB888);
    EXPECT_EQ(back, image);
}

TEST(CursorFile, CursorsAreRealCurFilesWithTheirHotSpots)
{
    const auto cursors = ResourceTree::cursors();
    ASSERT_EQ(cursors.size(), 3);
    const QMap<QString, QPoint> hot = {{"Cur\\Arrow.cur", {1, 1}}, {"Cur\\Hand.cur", {12, 2}},
                                       {"Cur\\Help.cur", {1, 1}}};
    for (const auto& cursor : cursors) {
        ASSERT_TRUE(hot.contains(cursor.name)) << qPrintable(cursor.name);
        const QPoint spot = CursorFile::hotSpotOf(cursor.bytes);
        EXPECT_EQ(spot, hot[cursor.name]) << qPrintable(cursor.name);

        QByteArray bytes = cursor.bytes;
        QBuffer buffer(&bytes);
        QImageReader reader(&buffer, "cur");
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << qPrintable(cursor.name) << qPrintable(reader.errorString());
        EXPECT_EQ(image.size(), QSize(32, 32));
        // The hot spot lies on the drawn shape (or right at its edge).
        int alpha = 0;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                alpha = std::max(alpha, qAlpha(image.pixel(qBound(0, spot.x() + dx, 31), qBound(0, spot.y() + dy, 31))));
        EXPECT_GT(alpha, 128) << qPrintable(cursor.name);
    }
    EXPECT_EQ(CursorFile::hotSpotOf(QByteArray("BM not a cursor at all..")), QPoint(-1, -1));
}

TEST(CursorFile, AndMaskLetsTheScreenThroughOnlyWhereTransparent)
{
    // A 32 × 32 cursor whose left half is opaque.
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 16; ++x)
            image.setPixel(x, y, qRgba(0, 0, 0, 255));
    const QByteArray cur = CursorFile::encode(image, {3, 4});
    ASSERT_EQ(cur.size(), 22 + 40 + 32 * 32 * 4 + 32 * 4);
    const QByteArray mask = cur.right(32 * 4);
    for (int row = 0; row < 32; ++row) {
        EXPECT_EQ(quint8(mask[row * 4]), 0x00);
        EXPECT_EQ(quint8(mask[row * 4 + 1]), 0x00);
        EXPECT_EQ(quint8(mask[row * 4 + 2]), 0xFF);
        EXPECT_EQ(quint8(mask[row * 4 + 3]), 0xFF);
    }
    EXPECT_EQ(CursorFile::hotSpotOf(cur), QPoint(3, 4));
}

struct Wave {
    int rate = 0, bits = 0, channels = 0;
    QList<qint16> samples;
};

Wave parse(const QByteArray& wav)
{
    Wave w;
    const auto* d = reinterpret_cast<const uchar*>(wav.constData());
    if (wav.size() < 44 || wav.left(4) != "RIFF" || wav.mid(8, 4) != "WAVE" || wav.mid(36, 4) != "data")
        return w;
    w.channels = qFromLittleEndian<quint16>(d + 22);
    w.rate = int(qFromLittleEndian<quint32>(d + 24));
    w.bits = qFromLittleEndian<quint16>(d + 34);
    const quint32 n = qFromLittleEndian<quint32>(d + 40) / 2;
    for (quint32 i = 0; i < n; ++i)
        w.samples.append(qFromLittleEndian<qint16>(d + 44 + 2 * i));
    return w;
}

TEST(WaveFile, SoundsAreShortFadedPcm)
{
    const auto sounds = ResourceTree::sounds();
    for (const char* name : {"Sound\\enter.wav", "Sound\\click.wav", "Sound\\zavazi.wav"}) {
        const Wave w = parse(fileNamed(sounds, name));
        ASSERT_EQ(w.bits, 16) << name;
        EXPECT_EQ(w.channels, 1);
        ASSERT_GT(w.rate, 0);
        const double seconds = double(w.samples.size()) / w.rate;
        EXPECT_GT(seconds, 0.03) << name;
        EXPECT_LT(seconds, QByteArray(name).contains("zavazi") ? 0.6 : 0.3) << name;
        // Both ends fade to silence, so nothing clicks when the sound starts or stops.
        EXPECT_LT(std::abs(w.samples.first()), 50) << name;
        EXPECT_LT(std::abs(w.samples.last()), 50) << name;
        int peak = 0;
        for (qint16 s : w.samples)
            peak = std::max(peak, std::abs(int(s)));
        EXPECT_GT(peak, 5000) << name;
        EXPECT_LT(peak, 32000) << name;
    }
}

TEST(ResourceTree, WritesBackslashNamesAsFoldersAndOnlyChangedFiles)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QList<ResourceTree::File> files = {{"Bitmap\\Setup\\a.bmp", "one"}, {"Cur\\b.cur", "two"}};
    EXPECT_EQ(ResourceTree::write(dir.path(), files), 2);
    EXPECT_TRUE(QFile::exists(dir.filePath("Bitmap/Setup/a.bmp")));
    const QDateTime before = QFileInfo(dir.filePath("Cur/b.cur")).lastModified();
    EXPECT_EQ(ResourceTree::write(dir.path(), files), 0);
    files[0].bytes = "changed";
    EXPECT_EQ(ResourceTree::write(dir.path(), files), 1);
    QFile a(dir.filePath("Bitmap/Setup/a.bmp"));
    ASSERT_TRUE(a.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), "changed");
    EXPECT_EQ(QFileInfo(dir.filePath("Cur/b.cur")).lastModified(), before);
}

} // namespace
