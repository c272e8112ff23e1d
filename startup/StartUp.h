// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "startup/StartUpCheck.h"

#include <QString>

namespace orbeta {

class Services;

struct StartUpResult {
    StartUpFailure failure = StartUpFailure::None;
    // The caption of the splash form's information label.
    QString driveCaption;
};

// From launch to the loaded tables: finds Orbeta.ini, reads the two
// directories, checks the data and resource files, loads the cursors, saves
// the keyboard layout and reads the mark, assignment and hint tables into
// the globals. A failure has been shown in a message box when this returns;
// the caller then ends the program with status 1.
StartUpResult StartUp(Services& services);

} // namespace orbeta
