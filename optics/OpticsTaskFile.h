// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "formats/FileResult.h"
#include "optics/OpticsExample.h"
#include "optics/OpticsGenerator.h"

#include <QString>

#include <functional>
#include <optional>

namespace orbeta {

// The scene file of a ray construction task ("4a.dat" or "4b.dat"), read
// for a series, a worksheet or the command line alike.
class OpticsTaskFile {
public:
    // What the mirror picture a scene names ("ZrkDut1.bmp") draws where the
    // scene is shown: nothing, or a mirror of a known kind, or one of no kind
    // known (a picture of the teacher's own, taken as it is).
    enum class MirrorPicture { Missing, Concave, Convex, Unknown };
    using PictureCheck = std::function<MirrorPicture(const QString& bitmapName)>;

    // The check of a picture that exists or not, and whose kind is known
    // (`concave`) or not.
    static MirrorPicture pictureOf(bool exists, std::optional<bool> concave)
    {
        if (!exists)
            return MirrorPicture::Missing;
        if (!concave)
            return MirrorPicture::Unknown;
        return *concave ? MirrorPicture::Concave : MirrorPicture::Convex;
    }

    // The generator of the task's examples from the file in `dataDir`; the
    // error names the file's path and, for its contents, the line. A mirror
    // whose picture is missing, or draws the other kind of mirror than the
    // scene's slot holds, is such an error too (when `pictureExists` is given).
    static FileResult<OpticsGenerator> read(OpticsTask task, const QString& dataDir,
                                            const PictureCheck& pictureExists = {});
};

} // namespace orbeta
