// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "files/Installation.h"
#include "formats/FileResult.h"
#include "formats/LoadedTables.h"

#include <QByteArray>
#include <QCursor>
#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QString>
#include <optional>

namespace orbeta {

// What start-up found and loaded: the installation's directories, the
// tables, the cursors; and the files of the resource directory and the data
// directory by the names the program uses ("Bitmap\Select\bckg.bmp").
// A missing or unreadable picture gives a null picture: the forms draw
// nothing in its place rather than fail.
class Resources {
public:
    Resources() = default;
    explicit Resources(Installation installation) : m_installation(std::move(installation)) {}

    const Installation& installation() const { return m_installation; }
    const LoadedTables& tables() const { return m_tables; }
    void setTables(LoadedTables tables) { m_tables = std::move(tables); }

    QString resourcePath(const QString& name) const { return m_installation.resourcePath(name); }
    QString dataPath(const QString& name) const { return m_installation.dataPath(name); }

    QPixmap picture(const QString& name) const;
    QImage image(const QString& name) const;
    // The cursor of a .cur file with its hot spot; `fallback` when missing.
    QCursor cursor(const QString& name, const QCursor& fallback) const;
    // The hot spot stored in the directory entry of a .cur file.
    static std::optional<QPoint> cursorHotSpot(const QByteArray& curFile);

    // The whole file of the data directory, or why it cannot be read.
    FileResult<QByteArray> readDataFile(const QString& name) const;

    // The program's three pointers, read from the resource directory by
    // loadCursors(); Qt's own until then.
    void loadCursors();
    const QCursor& arrowCursor() const { return m_arrow; }
    const QCursor& handCursor() const { return m_hand; }
    const QCursor& helpCursor() const { return m_help; }

private:
    Installation m_installation;
    LoadedTables m_tables;
    QCursor m_arrow{Qt::ArrowCursor};
    QCursor m_hand{Qt::PointingHandCursor};
    QCursor m_help{Qt::WhatsThisCursor};
};

} // namespace orbeta
