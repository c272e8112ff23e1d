// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "formats/FileResult.h"
#include "optics/OpticsExample.h"
#include "optics/OpticsGenerator.h"

#include <QString>

#include <functional>

namespace orbeta {

// The scene file of a ray construction task ("4a.dat" or "4b.dat"), read
// for a series, a worksheet or the command line alike.
class OpticsTaskFile {
public:
    // Whether the mirror picture a scene names ("ZrkDut1.bmp") can be drawn
    // where the scene is shown.
    using PictureCheck = std::function<bool(const QString& bitmapName)>;

    // The generator of the task's examples from the file in `dataDir`; the
    // error names the file's path and, for its contents, the line. A mirror
    // whose picture fails `pictureExists` (when given) is such an error too.
    static FileResult<OpticsGenerator> read(OpticsTask task, const QString& dataDir,
                                            const PictureCheck& pictureExists = {});
};

} // namespace orbeta
