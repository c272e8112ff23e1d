#include "calc/DataFile.h"

#include <QFile>
#include <QFileInfo>

namespace orbeta {

FileResult<QByteArray> LoadDataFile(const QString& path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile())
        return FileError{path, 0, QStringLiteral("chýba.")};
    if (!file.open(QIODevice::ReadOnly))
        return FileError{path, 0, QStringLiteral("nedá sa čítať (%1).").arg(file.errorString())};
    return file.readAll();
}

} // namespace orbeta
