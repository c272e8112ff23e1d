// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "art/tool/ResourceTree.h"

#include "art/catalogue/PictureCatalogue.h"
#include "art/encoders/BmpFile.h"
#include "art/encoders/CursorFile.h"
#include "art/encoders/WaveFile.h"
#include "look/basics/PictureNames.h"
#include "look/controls/CursorPainter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QSaveFile>
#include <stdexcept>

namespace orbeta {
namespace {

QImage cursor(void (*draw)(QPainter&))
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    draw(p);
    return image;
}

} // namespace

QList<ResourceTree::File> ResourceTree::cursors()
{
    using Cursor = PictureNames::Cursor;
    return {
        {PictureNames::cursor(Cursor::Arrow), CursorFile::encode(cursor(CursorPainter::drawArrow), {1, 1})},
        {PictureNames::cursor(Cursor::Hand), CursorFile::encode(cursor(CursorPainter::drawHand), {12, 2})},
        {PictureNames::cursor(Cursor::Help), CursorFile::encode(cursor(CursorPainter::drawHelp), {1, 1})},
    };
}

QList<ResourceTree::File> ResourceTree::sounds()
{
    using P = WaveFile::Partial;
    // Hover: a soft rising two-note blip.
    const auto enter = WaveFile::synthesise(0.12, {P{880, 1.0, 30, 1046.5}, P{1760, 0.18, 45, 2093}}, 0.005,
                                            0.04, 0.35);
    // Click: a short wooden knock.
    const auto click = WaveFile::synthesise(0.07, {P{660, 1.0, 70}, P{1650, 0.45, 110}, P{2980, 0.2, 160}},
                                            0.002, 0.02, 0.5);
    // A weight set down on the lever: a low metallic clonk that rings out.
    const auto weight = WaveFile::synthesise(
        0.45, {P{196, 1.0, 14}, P{523, 0.5, 11}, P{1244, 0.22, 18}, P{98, 0.6, 30}, P{2617, 0.08, 40}}, 0.003,
        0.08, 0.55);
    return {
        {QStringLiteral("Sound\\enter.wav"), WaveFile::encode(enter)},
        {QStringLiteral("Sound\\click.wav"), WaveFile::encode(click)},
        {QStringLiteral("Sound\\zavazi.wav"), WaveFile::encode(weight)},
    };
}

QList<ResourceTree::File> ResourceTree::pictures(const PictureCatalogue& catalogue)
{
    QList<File> files;
    for (const Picture& picture : catalogue.pictures())
        files.append({picture.name, BmpFile::encode(PictureCatalogue::render(picture))});
    return files;
}

QString ResourceTree::diskPath(const QString& name)
{
    QString path = name;
    path.replace('\\', '/');
    return path;
}

int ResourceTree::write(const QString& root, const QList<File>& files)
{
    int written = 0;
    for (const File& file : files) {
        const QString path = QDir(root).filePath(diskPath(file.name));
        QFile existing(path);
        if (existing.open(QIODevice::ReadOnly) && existing.readAll() == file.bytes)
            continue;
        existing.close();
        if (!QDir().mkpath(QFileInfo(path).absolutePath()))
            throw std::runtime_error("cannot create the folder of " + path.toStdString());
        QSaveFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(file.bytes) != file.bytes.size() || !out.commit())
            throw std::runtime_error("cannot write " + path.toStdString());
        ++written;
    }
    return written;
}

} // namespace orbeta
