// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "4a.dat" and "4b.dat": the mirror and lens scenes. A file that reads has
// its axis and object inside the drawing area, and is also generated from,
// so that no scene makes the generator hang or crash.
#include "fuzz/FuzzCheck.h"

#include "optics/OpticsGenerator.h"
#include "optics/OpticsSceneFile.h"

#include <QRect>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orbeta;
    const QByteArray bytes = fuzz::bytesOf(data, size);
    double x = 0.5;
    // A fixed walk through [0, 1): the generator's draws without a seeded source.
    const OpticsRnd rnd = [&x] {
        x = x * 3.7 * (1 - x);
        return x;
    };
    const QRect area(QPoint(0, 0), OpticsGenerator::kArea);
    const auto axisInside = [&area](QPoint axisStart, int maxObjectHeight) {
        fuzz::require(area.contains(axisStart), "the axis starts inside the drawing area");
        fuzz::require(maxObjectHeight >= OpticsGenerator::kMinObjectHeight && axisStart.y() - maxObjectHeight >= 0,
                      "the tallest object stands inside the drawing area");
    };
    if (const auto mirrors = OpticsSceneFile::ReadMirrorScenes(bytes, QStringLiteral("4a.dat"))) {
        for (int n = 1; n <= MirrorScenes::kSlots; ++n) {
            const MirrorScene& s = mirrors.value().slot[std::size_t(n)];
            axisInside(s.axisStart, s.maxObjectHeight);
            fuzz::require(area.contains(s.focus) && area.contains(s.vertex), "F and V inside the drawing area");
            fuzz::require(n <= 3 ? s.centre.x() < s.focus.x() && s.focus.x() < s.vertex.x()
                                 : s.vertex.x() < s.focus.x() && s.focus.x() < s.centre.x(),
                          "C, F and V in the mirror's order");
        }
        OpticsGenerator generator(mirrors.value());
        generator.GenerateExample(rnd);
        generator.GenerateExample(rnd);
    }
    if (const auto lenses = OpticsSceneFile::ReadLensScenes(bytes, QStringLiteral("4b.dat"))) {
        for (int n = 1; n <= LensScenes::kSlots; ++n) {
            const LensScene& s = lenses.value().slot[std::size_t(n)];
            axisInside(s.axisStart, s.maxObjectHeight);
            fuzz::require(area.contains(s.centre) && s.objectFocus.x() < s.centre.x(), "F left of O, inside");
        }
        OpticsGenerator generator(lenses.value());
        generator.GenerateExample(rnd);
        generator.GenerateExample(rnd);
    }
    return 0;
}
