// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "formats/FileError.h"

#include <QString>
#include <optional>

namespace orbeta {

// Every task's tables read at start as its form will read them (the numbers
// and the map of the calculation tasks, the optics scenes with their
// pictures, the history items): a teacher's edit that a task could not use
// stops the program at once, naming the file and the line, rather than when
// a pupil opens the task. The first problem, or nothing.
std::optional<FileError> checkDataTables(const QString& dataDir, const QString& resourceDir);

} // namespace orbeta
