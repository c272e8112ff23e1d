// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "formats/FileResult.h"
#include "optics/OpticsScene.h"

#include <QByteArray>
#include <QString>

namespace orbeta {

// The readers of "4a.dat" and "4b.dat" in the scrambled line encoding: line n
// fills slot n. Each line holds a text field and ten numbers after it, text
// after a twelfth "#" is ignored; a missing or non-numeric field, or a line
// count other than the slots', is an error naming the line. `fileName` only
// names the file in errors and in the messages of the generator.
class OpticsSceneFile {
public:
    static FileResult<MirrorScenes> ReadMirrorScenes(const QByteArray& fileBytes, const QString& fileName);
    static FileResult<LensScenes> ReadLensScenes(const QByteArray& fileBytes, const QString& fileName);
};

} // namespace orbeta
