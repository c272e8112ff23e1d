// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Mapa1.dat": the four roads of the travelling task; a map that reads keeps
// every point of every road on the map picture.
#include "fuzz/FuzzCheck.h"

#include "calc/tables/MapFile.h"

#include <QRect>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orbeta;
    const auto map = ReadMapFile(fuzz::bytesOf(data, size), QStringLiteral("Mapa1.dat"));
    if (!map)
        return 0;
    const QRect picture(QPoint(0, 0), kMapPictureSize);
    for (const CalcRoute& route : map.value())
        for (const QPoint& point : route.points)
            fuzz::require(picture.contains(point), "every road point on the map");
    return 0;
}
