// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "look/basics/FontFiles.h"

#include <QFontDatabase>

namespace orbeta {

QStringList FontFiles::dejaVuSans()
{
    const QString dir = QStringLiteral(ORBETA_DEJAVU_DIR "/");
    return {dir + QStringLiteral("DejaVuSans.ttf"), dir + QStringLiteral("DejaVuSans-Bold.ttf"),
            dir + QStringLiteral("DejaVuSans-Oblique.ttf")};
}

QStringList FontFiles::load(const QStringList& paths)
{
    QStringList failed;
    for (const QString& path : paths)
        if (QFontDatabase::addApplicationFont(path) < 0)
            failed.append(path);
    return failed;
}

} // namespace orbeta
