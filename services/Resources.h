// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "formats/FileResult.h"

#include <QByteArray>
#include <QCursor>
#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QString>
#include <optional>

namespace orbeta {

// Files of the resource directory (ResourceDir) and the data directory
// (DataDir) by the names the program uses ("Bitmap\Select\bckg.bmp").
// A missing or unreadable picture gives a null picture: the forms draw
// nothing in its place rather than fail.
class Resources {
public:
    static QString resourcePath(const QString& name);
    static QString dataPath(const QString& name);

    static QPixmap picture(const QString& name);
    static QImage image(const QString& name);
    // The cursor of a .cur file with its hot spot; `fallback` when missing.
    static QCursor cursor(const QString& name, const QCursor& fallback);
    // The hot spot stored in the directory entry of a .cur file.
    static std::optional<QPoint> cursorHotSpot(const QByteArray& curFile);

    // The whole file, or why it cannot be read.
    static FileResult<QByteArray> readDataFile(const QString& name);
};

} // namespace orbeta
