// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/WindowsDirectory.h"

#include "formats/IniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace orbeta {

QString WindowsDirectory::locate(const QString& environmentValue, const QString& programDir, const FileExists& exists)
{
    if (!environmentValue.isEmpty())
        return withTrailingSeparator(environmentValue);
    const QString own = withTrailingSeparator(programDir);
    if (exists(own + QStringLiteral("Orbeta.ini")))
        return own;
    const QString prefix = QDir::cleanPath(own + QStringLiteral(".."));
    if (prefix == QLatin1String("/usr"))
        return QStringLiteral("/etc/orbeta/");
    return withTrailingSeparator(QDir::cleanPath(prefix + QStringLiteral("/etc/orbeta")));
}

QString WindowsDirectory::locate()
{
    return locate(qEnvironmentVariable("ORBETA_WINDIR"), QCoreApplication::applicationDirPath(),
                  [](const QString& path) { return QFileInfo::exists(path); });
}

} // namespace orbeta
