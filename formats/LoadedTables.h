// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "formats/MarkTable.h"
#include "formats/TextTables.h"

namespace orbeta {

// The three tables start-up reads from the data directory: the marks
// (Znamky.dat), the assignment texts (Zadani.dat) and the hints (Napoveda.dat).
struct LoadedTables {
    MarkTable marks{};
    TextTable assignments;
    TextTable hints;
};

} // namespace orbeta
