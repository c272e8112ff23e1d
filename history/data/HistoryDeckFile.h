// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "formats/FileResult.h"
#include "history/deck/HistoryDeck.h"

#include <QString>

namespace orbeta {

// The file of a history task ("6a.dat", "6b.dat", "6c.dat") read from the
// data directory into its deck; an error names the file.
class HistoryDeckFile {
public:
    static FileResult<HistoryDeck> read(HistoryCode code, const QString& dataDir, int minimumItems);
};

} // namespace orbeta
