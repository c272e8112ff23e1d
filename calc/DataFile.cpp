#include "calc/DataFile.h"

#include "shell/SafeFile.h"

namespace orbeta {

FileResult<QByteArray> LoadDataFile(const QString& path)
{
    return SafeFile::read(path, FileKind::DataTable);
}

} // namespace orbeta
