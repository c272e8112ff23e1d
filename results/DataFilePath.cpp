#include "results/DataFilePath.h"

#include <QDir>
#include <QFileInfo>

namespace orbeta::results {

QString DataFilePath::resolve(const QString& dataDir, const QString& fileName)
{
    const QDir dir(dataDir);
    const QString exact = dir.filePath(fileName);
    if (QFileInfo::exists(exact))
        return exact;
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries)
        if (entry.compare(fileName, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    return exact;
}

} // namespace orbeta::results
