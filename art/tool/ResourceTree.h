// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace orbeta {

class PictureCatalogue;

// The files of the resource tree that the art tool makes, as bytes: the
// pictures, the cursors and the sounds.
class ResourceTree {
public:
    struct File {
        QString name; // as the program names it, "Bitmap\Select\bckg.bmp"
        QByteArray bytes;
    };

    static QList<File> cursors();
    static QList<File> sounds();
    static QList<File> pictures(const PictureCatalogue& catalogue);

    // The relative path on disk of a program file name ("\" becomes "/").
    static QString diskPath(const QString& name);
    // Writes the files under root, leaving files whose bytes are already
    // right untouched. Returns how many were written; throws on failure.
    static int write(const QString& root, const QList<File>& files);
};

} // namespace orbeta
