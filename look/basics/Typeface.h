// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QStringList>

namespace orbeta {

// The type of every picture: DejaVu Sans in pixel sizes, loaded from its
// files so that the pictures are the same whatever fontconfig would pick.
class Typeface {
public:
    // Registers DejaVu Sans; the files that could not be loaded.
    static QStringList loadFonts();
    static QFont font(int pixelSize, bool bold = false);
    // Text on a picture is never smaller.
    static constexpr int kMinTextPx = 12;
};

} // namespace orbeta
