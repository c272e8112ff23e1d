// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/data/HistoryDeckFile.h"

#include "files/ResourcePath.h"
#include "files/SafeFile.h"

namespace orbeta {

FileResult<HistoryDeck> HistoryDeckFile::read(HistoryCode code, const QString& dataDir, int minimumItems)
{
    // Messages name the whole path: the data directory may be any of several.
    const QString path = ResourcePath::resolve(dataDir, HistoryDeck::fileName(code));
    const FileResult<QByteArray> bytes = SafeFile::read(path, FileKind::DataTable);
    if (!bytes)
        return bytes.error();
    return HistoryDeck::read(code, bytes.value(), path, minimumItems);
}

} // namespace orbeta
