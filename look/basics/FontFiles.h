// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

namespace orbeta {

// The font files the program draws with, loaded into Qt's font database, so
// that the pictures are the same whatever fontconfig would pick.
class FontFiles {
public:
    // DejaVu Sans, regular, bold and oblique, from the folder the build names.
    static QStringList dejaVuSans();
    // Loads the files; returns those that did not load (missing, unreadable,
    // not a font), for the start-up check to name.
    static QStringList load(const QStringList& paths);
};

} // namespace orbeta
