// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "formats/LineCodec.h"
#include "optics/OpticsGenerator.h"
#include "optics/OpticsSceneFile.h"

#include <QFile>

namespace orbeta::test {

// The scene files as the build ships them, read from their sources.
inline QByteArray sceneSource(const char* name)
{
    QFile file(qEnvironmentVariable("ORBETA_SOURCE_DIR") + QStringLiteral("/data/src/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return LineCodec::encodeFile(QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts), 7);
}

inline MirrorScenes shippedMirrors()
{
    return OpticsSceneFile::ReadMirrorScenes(sceneSource("4a.txt"), QStringLiteral("4a.dat")).value();
}

inline LensScenes shippedLenses()
{
    return OpticsSceneFile::ReadLensScenes(sceneSource("4b.txt"), QStringLiteral("4b.dat")).value();
}

} // namespace orbeta::test
