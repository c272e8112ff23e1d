// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "art/encoders/CursorFile.h"

#include "art/encoders/LittleEndian.h"

#include <QtEndian>

namespace orbeta {

using LittleEndian::put8;
using LittleEndian::put16;
using LittleEndian::put32;

QByteArray CursorFile::encode(const QImage& source, QPoint hotSpot)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width();
    const int h = image.height();
    const int maskStride = ((w + 31) / 32) * 4;
    const quint32 imageBytes = 40 + quint32(w * h * 4) + quint32(maskStride * h);

    QByteArray out;
    // Directory: reserved, type 2 (cursor), one entry.
    put16(out, 0);
    put16(out, 2);
    put16(out, 1);
    put8(out, quint8(w == 256 ? 0 : w));
    put8(out, quint8(h == 256 ? 0 : h));
    put8(out, 0);
    put8(out, 0);
    put16(out, quint16(hotSpot.x()));
    put16(out, quint16(hotSpot.y()));
    put32(out, imageBytes);
    put32(out, 6 + 16);

    // The image: a bitmap header of double height (colour rows, then mask rows).
    put32(out, 40);
    put32(out, quint32(w));
    put32(out, quint32(2 * h));
    put16(out, 1);
    put16(out, 32);
    put32(out, 0);
    put32(out, quint32(w * h * 4 + maskStride * h));
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    for (int y = h - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            put8(out, quint8(qBlue(line[x])));
            put8(out, quint8(qGreen(line[x])));
            put8(out, quint8(qRed(line[x])));
            put8(out, quint8(qAlpha(line[x])));
        }
    }
    // AND mask: 1 where the screen shows through.
    for (int y = h - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < w; ++x) {
            if (qAlpha(line[x]) < 128)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(row);
    }
    return out;
}

QPoint CursorFile::hotSpotOf(const QByteArray& file)
{
    if (file.size() < 22)
        return {-1, -1};
    const auto* d = reinterpret_cast<const uchar*>(file.constData());
    if (qFromLittleEndian<quint16>(d) != 0 || qFromLittleEndian<quint16>(d + 2) != 2
        || qFromLittleEndian<quint16>(d + 4) < 1)
        return {-1, -1};
    return {qFromLittleEndian<quint16>(d + 10), qFromLittleEndian<quint16>(d + 12)};
}

} // namespace orbeta
