#include "calc/DataFile.h"

#include <QFile>
#include <QFileInfo>

namespace orbeta {

DataResult<QByteArray> LoadDataFile(const QString& path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile())
        return DataFileError{path, 0, QStringLiteral("chýba.")};
    if (!file.open(QIODevice::ReadOnly))
        return DataFileError{path, 0, QStringLiteral("nedá sa čítať (%1).").arg(file.errorString())};
    return file.readAll();
}

} // namespace orbeta
