// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "services/Resources.h"

#include "files/ResourcePath.h"
#include "files/SafeFile.h"
#include "look/basics/PictureNames.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>

namespace orbeta {

namespace {

std::optional<QByteArray> readFile(const QString& path)
{
    const FileResult<QByteArray> bytes = SafeFile::read(path, FileKind::DataTable);
    if (!bytes)
        return std::nullopt;
    return bytes.value();
}

// Reads an image in the format its name says. Naming the format and turning
// off detection spares loading every installed image plugin to ask whether it
// reads the file before the built-in reader is tried. Null when the content is
// not in that format; callers then read it as before, by detection.
QImage readNamedFormat(QIODevice& device, const QByteArray& format)
{
    QImageReader reader(&device, format);
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

quint16 le16(const QByteArray& bytes, int at)
{
    return quint16(quint8(bytes.at(at))) | quint16(quint8(bytes.at(at + 1))) << 8;
}

} // namespace

QPixmap Resources::picture(const QString& name) const
{
    return QPixmap::fromImage(image(name));
}

QImage Resources::image(const QString& name) const
{
    const auto path = ResourcePath::find(m_installation.resourceDir, name);
    if (!path)
        return {};
    const auto bytes = readFile(*path);
    if (!bytes)
        return {};
    QBuffer buffer;
    buffer.setData(*bytes);
    buffer.open(QIODevice::ReadOnly);
    QImage image = readNamedFormat(buffer, QFileInfo(*path).suffix().toLower().toLatin1());
    if (!image.isNull())
        return image;
    buffer.seek(0);
    QImageReader reader(&buffer);
    return reader.read();
}

std::optional<QPoint> Resources::cursorHotSpot(const QByteArray& curFile)
{
    // ICONDIR (reserved, type 2 = cursor, count), then the first entry, whose
    // fields 4 and 5 are the hot spot.
    if (curFile.size() < 6 + 16 || le16(curFile, 0) != 0 || le16(curFile, 2) != 2 || le16(curFile, 4) == 0)
        return std::nullopt;
    return QPoint(le16(curFile, 6 + 4), le16(curFile, 6 + 6));
}

QCursor Resources::cursor(const QString& name, const QCursor& fallback) const
{
    const auto path = ResourcePath::find(m_installation.resourceDir, name);
    if (!path)
        return fallback;
    const auto bytes = readFile(*path);
    if (!bytes)
        return fallback;
    const auto read = [&bytes](const char* format) {
        QBuffer buffer;
        buffer.setData(*bytes);
        buffer.open(QIODevice::ReadOnly);
        const QImage image = readNamedFormat(buffer, format);
        return image.isNull() ? QImage::fromData(*bytes, format) : image;
    };
    QImage image = read("CUR");
    if (image.isNull())
        image = read("ICO");
    if (image.isNull())
        return fallback;
    const QPoint hotSpot = cursorHotSpot(*bytes).value_or(QPoint(0, 0));
    return QCursor(QPixmap::fromImage(image), hotSpot.x(), hotSpot.y());
}

FileResult<QByteArray> Resources::readDataFile(const QString& name) const
{
    const auto path = ResourcePath::find(m_installation.dataDir, name);
    if (!path)
        return FileError{name, 0, QStringLiteral("chýba.")};
    return SafeFile::read(*path, FileKind::DataTable);
}

void Resources::loadCursors()
{
    using Cursor = PictureNames::Cursor;
    m_arrow = cursor(PictureNames::cursor(Cursor::Arrow), QCursor(Qt::ArrowCursor));
    m_hand = cursor(PictureNames::cursor(Cursor::Hand), QCursor(Qt::PointingHandCursor));
    m_help = cursor(PictureNames::cursor(Cursor::Help), QCursor(Qt::WhatsThisCursor));
}

} // namespace orbeta
