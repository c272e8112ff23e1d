// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "optics/OpticsTaskFile.h"

#include "files/ResourcePath.h"
#include "files/SafeFile.h"
#include "optics/OpticsSceneFile.h"

namespace orbeta {

FileResult<OpticsGenerator> OpticsTaskFile::read(OpticsTask task, const QString& dataDir,
                                                 const PictureCheck& pictureExists)
{
    const QString path = ResourcePath::resolve(dataDir, opticsTaskCode(task) + QStringLiteral(".dat"));
    const FileResult<QByteArray> bytes = SafeFile::read(path, FileKind::DataTable);
    if (!bytes)
        return bytes.error();
    if (task == OpticsTask::Mirror) {
        const auto scenes = OpticsSceneFile::ReadMirrorScenes(bytes.value(), path);
        if (!scenes)
            return scenes.error();
        for (int n = 1; n <= MirrorScenes::kSlots && pictureExists; ++n) {
            const MirrorScene& scene = scenes.value().slot[std::size_t(n)];
            const bool concave = n <= MirrorScenes::kSlots / 2;
            const MirrorPicture picture = pictureExists(scene.bitmapName);
            if (picture == MirrorPicture::Missing)
                return FileError{path, scene.line,
                                 QStringLiteral("obrázok zrkadla „%1“ neexistuje.").arg(scene.bitmapName)};
            if (picture == (concave ? MirrorPicture::Convex : MirrorPicture::Concave))
                return FileError{path, scene.line,
                                 concave ? QStringLiteral("obrázok „%1“ kreslí vypuklé zrkadlo, riadky 1 až 3 sú "
                                                          "duté zrkadlá.")
                                               .arg(scene.bitmapName)
                                         : QStringLiteral("obrázok „%1“ kreslí duté zrkadlo, riadky 4 až 6 sú "
                                                          "vypuklé zrkadlá.")
                                               .arg(scene.bitmapName)};
        }
        return OpticsGenerator(scenes.value());
    }
    const auto scenes = OpticsSceneFile::ReadLensScenes(bytes.value(), path);
    if (!scenes)
        return scenes.error();
    return OpticsGenerator(scenes.value());
}

} // namespace orbeta
