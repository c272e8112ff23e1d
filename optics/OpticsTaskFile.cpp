#include "optics/OpticsTaskFile.h"

#include "optics/OpticsSceneFile.h"
#include "shell/ResourcePath.h"
#include "shell/SafeFile.h"

namespace orbeta {

FileResult<OpticsGenerator> OpticsTaskFile::read(OpticsTask task, const QString& dataDir)
{
    const QString fileName = opticsTaskCode(task) + QStringLiteral(".dat");
    const FileResult<QByteArray> bytes = SafeFile::read(ResourcePath::resolve(dataDir, fileName), FileKind::DataTable);
    if (!bytes)
        return bytes.error();
    if (task == OpticsTask::Mirror) {
        const auto scenes = OpticsSceneFile::ReadMirrorScenes(bytes.value(), fileName);
        if (!scenes)
            return scenes.error();
        return OpticsGenerator(scenes.value());
    }
    const auto scenes = OpticsSceneFile::ReadLensScenes(bytes.value(), fileName);
    if (!scenes)
        return scenes.error();
    return OpticsGenerator(scenes.value());
}

} // namespace orbeta
