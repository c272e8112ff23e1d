// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace orbeta {

// Why a file of the installation or the data directory cannot be used: the
// file, the physical line (1-based; 0 when the problem is the file as a
// whole) and what is wrong.
struct FileError {
    QString file;
    int line = 0;
    QString problem;

    // "Súbor 1a.dat, riadok 12: ..." — the text a message box or the command line shows.
    QString message() const;
};

} // namespace orbeta
