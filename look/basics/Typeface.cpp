// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "look/basics/Typeface.h"

#include "look/basics/FontFiles.h"

namespace orbeta {

QStringList Typeface::loadFonts()
{
    return FontFiles::load(FontFiles::dejaVuSans());
}

QFont Typeface::font(int pixelSize, bool bold)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

} // namespace orbeta
