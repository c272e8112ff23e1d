#pragma once

#include <QString>

namespace orbeta::results {

// A file of the data directory. Its names are fixed in the Windows way, where
// case does not matter, and a data directory copied from such a system may
// hold "ZNAMKY.DAT" or "1A.res": an existing file whose name matches without
// regard to case is used; otherwise the name as given.
class DataFilePath {
public:
    static QString resolve(const QString& dataDir, const QString& fileName);
};

} // namespace orbeta::results
