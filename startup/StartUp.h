// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "startup/StartUpCheck.h"

#include "formats/FileError.h"

#include <QString>
#include <functional>
#include <optional>

namespace orbeta {

class Services;

struct StartUpResult {
    StartUpFailure failure = StartUpFailure::None;
    // The caption of the splash form's information label.
    QString driveCaption;
};

// The tables of the tasks in the data directory (the resource directory
// holds their pictures), checked as the task forms will read them: the first
// problem, or nothing.
using DataTablesCheck =
    std::function<std::optional<FileError>(const QString& dataDir, const QString& resourceDir)>;

// From launch to the loaded tables: finds Orbeta.ini, reads the
// directories into `services.resources()`, checks the data and resource
// files, loads the cursors, saves the keyboard layout, reads the mark,
// assignment and hint tables into the resources and checks the tasks'
// tables with `checkTables` (when given). A
// failure has been shown in a message box, naming each file it is about
// with its path, when this returns; the caller then ends the program with
// status 1.
StartUpResult StartUp(Services& services, const DataTablesCheck& checkTables = {});

} // namespace orbeta
