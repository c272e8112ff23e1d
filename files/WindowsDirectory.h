// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <functional>

namespace orbeta {

// The directory holding Orbeta.ini: ORBETA_WINDIR when set; otherwise the
// program's own directory when Orbeta.ini lies beside it (the build tree);
// otherwise the installation's configuration folder, <prefix>/etc/orbeta for
// the prefix above the program's directory, /etc/orbeta for the prefix /usr,
// where the administrator's settings survive an upgrade.
class WindowsDirectory {
public:
    using FileExists = std::function<bool(const QString& path)>;

    // The result always ends in a separator.
    static QString locate(const QString& environmentValue, const QString& programDir, const FileExists& exists);
    // The same from the real environment and program location.
    static QString locate();
};

} // namespace orbeta
