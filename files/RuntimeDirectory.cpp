// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/RuntimeDirectory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <unistd.h>

namespace orbeta {
namespace {

// What Qt accepts without making a folder of its own: a folder of this user.
bool usableRuntimeFolder(const QString& path)
{
    const QFileInfo info(path);
    return !path.isEmpty() && info.isDir() && info.ownerId() == ::getuid() && info.isWritable();
}

bool usableTemporaryFolder(const QString& path)
{
    const QFileInfo info(path);
    return !path.isEmpty() && info.isDir() && info.isWritable() && info.isExecutable();
}

} // namespace

RuntimeDirectory::RuntimeDirectory()
{
    if (usableRuntimeFolder(qEnvironmentVariable("XDG_RUNTIME_DIR")))
        return;
    // QDir::tempPath() is empty when TMPDIR names no folder.
    QStringList tried;
    for (const QString& folder : {QDir::tempPath(), QStringLiteral("/tmp")}) {
        if (!usableTemporaryFolder(folder) || tried.contains(folder))
            continue;
        tried.append(folder);
        auto own = std::make_unique<QTemporaryDir>(folder + QStringLiteral("/orbeta-runtime-XXXXXX"));
        if (!own->isValid())
            continue;
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(own->path()));
        m_own = std::move(own);
        return;
    }
    m_error = QStringLiteral("no usable temporary folder for the runtime files: XDG_RUNTIME_DIR is not set, "
                             "and neither TMPDIR (\"%1\") nor /tmp is a writable folder")
                  .arg(qEnvironmentVariable("TMPDIR"));
}

} // namespace orbeta
