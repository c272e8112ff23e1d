// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace orbeta {

// The drive type numbers of the original platform, found from the file
// system a directory lives on.
class DriveType {
public:
    static constexpr int kRemovable = 2;
    static constexpr int kFixed = 3;
    static constexpr int kRemote = 4;
    static constexpr int kCdRom = 5;
    static constexpr int kRamDisk = 6;

    struct Drive {
        QString root; // mount point, ending in a separator
        int type = kFixed;
    };

    static int fromFileSystem(const QString& fileSystemType, bool removableDevice);
    // The mount the directory lives on, from the system's mount table.
    static Drive of(const QString& directory);
    // The caption of the splash form's information label.
    static QString caption(const Drive& drive);
};

} // namespace orbeta
