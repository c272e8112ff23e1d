// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/data/DataFile.h"

#include "files/SafeFile.h"

namespace orbeta {

FileResult<QByteArray> LoadDataFile(const QString& path)
{
    return SafeFile::read(path, FileKind::DataTable);
}

} // namespace orbeta
