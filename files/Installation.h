// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace orbeta {

// Where the installation keeps its files, as start-up found them in
// Orbeta.ini. Each directory ends in a separator; empty until found.
struct Installation {
    QString windowsDir{};  // where Orbeta.ini lies
    QString resourceDir{}; // pictures, sounds, fonts and cursors, read
    QString dataDir{};     // the tables of the tasks, read
    QString resultsDir{};  // the rankings and the results log, written

    // The file `name` ("Bitmap\Select\bckg.bmp") of the resource or data directory.
    QString resourcePath(const QString& name) const;
    QString dataPath(const QString& name) const;
};

} // namespace orbeta
