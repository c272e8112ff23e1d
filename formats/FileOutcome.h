// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace orbeta {

// How a write to the data directory went: empty on success, otherwise a
// message naming the file and the cause, for the pupil or the teacher.
struct FileOutcome {
    QString error;
    // Another program held the file for longer than a program waits.
    bool busy = false;

    bool ok() const { return error.isEmpty(); }
};

} // namespace orbeta
