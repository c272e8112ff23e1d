// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/RuntimeDirectory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <QRegularExpression>

#include <cerrno>
#include <limits>
#include <signal.h>
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

const QString kPrefix = QStringLiteral("orbeta-runtime-");

// Folders "orbeta-runtime-<pid>-XXXXXX" of this user whose program has
// ended without removing it (killed, or the machine went down): the process
// is gone. A folder of a process that still runs, or of another user, stays.
void removeAbandoned(const QString& folder)
{
    static const QRegularExpression name(QStringLiteral("^orbeta-runtime-(\\d+)-[A-Za-z0-9]{6}$"));
    const QFileInfoList found = QDir(folder).entryInfoList({kPrefix + QLatin1Char('*')},
                                                           QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QFileInfo& info : found) {
        const QRegularExpressionMatch match = name.match(info.fileName());
        if (!match.hasMatch() || info.isSymLink() || info.ownerId() != ::getuid())
            continue;
        bool ok = false;
        const qint64 pid = match.captured(1).toLongLong(&ok);
        if (!ok || pid <= 0 || pid > std::numeric_limits<pid_t>::max())
            continue;
        if (::kill(pid_t(pid), 0) == 0 || errno != ESRCH)
            continue;
        QDir(info.filePath()).removeRecursively();
    }
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
        removeAbandoned(folder);
        // The process id in the name tells a later start whether the folder is abandoned.
        auto own = std::make_unique<QTemporaryDir>(
            folder + QLatin1Char('/') + kPrefix + QString::number(::getpid()) + QStringLiteral("-XXXXXX"));
        if (!own->isValid())
            continue;
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(own->path()));
        m_own = std::move(own);
        return;
    }
    m_error = QStringLiteral("Niet použiteľného dočasného priečinka pre súbory behu programu: XDG_RUNTIME_DIR nie je "
                             "nastavené a ani TMPDIR („%1“), ani /tmp nie je priečinok, do ktorého sa dá písať.")
                  .arg(qEnvironmentVariable("TMPDIR"));
}

} // namespace orbeta
