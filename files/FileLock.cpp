// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/FileLock.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QStorageInfo>
#include <QTemporaryFile>

namespace orbeta {

FileLock::FileLock(const QString& path, const FileSystemClock& clock)
    : m_lockPath(path + QStringLiteral(".lock"))
    , m_lock(m_lockPath)
{
    // QLockFile would judge age by the local clock; only a dead program on
    // this computer is left for it to notice.
    m_lock.setStaleLockTime(std::chrono::milliseconds(0));
    // Short tries: QLockFile alone backs off to seconds between tries, and
    // a class of waiting programs would then miss the lock for good.
    const QDeadlineTimer deadline(kWait);
    bool locked = m_lock.tryLock(kRetry);
    while (!locked && m_lock.error() == QLockFile::LockFailedError && !deadline.hasExpired()) {
        takeOverIfStale(clock);
        locked = m_lock.tryLock(kRetry);
    }
}

void FileLock::takeOverIfStale(const FileSystemClock& clock)
{
    const QFileInfo lockInfo(m_lockPath);
    const QDateTime written = lockInfo.lastModified().toUTC();
    if (!written.isValid())
        return;
    if (!m_fileSystemThen) {
        m_fileSystemThen = clock(lockInfo.absolutePath());
        m_askedAt = std::chrono::steady_clock::now();
        if (!m_fileSystemThen)
            return;
    }
    const auto since = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - m_askedAt);
    const QDateTime now = m_fileSystemThen->addMSecs(since.count());
    // A time far ahead of the file system's own is no live lock's either.
    if (std::chrono::abs(std::chrono::milliseconds(written.msecsTo(now))) <= kStale)
        return;
    // One program at a time removes it, as QLockFile does.
    QLockFile removing(m_lockPath + QStringLiteral(".rmlock"));
    if (!removing.tryLock(std::chrono::milliseconds(0)))
        return;
    if (QFileInfo(m_lockPath).lastModified().toUTC() != written)
        return;
    m_lock.removeStaleLockFile();
}

std::optional<QDateTime> FileLock::fileSystemNow(const QString& directory)
{
    QTemporaryFile probe(directory + QStringLiteral("/.orbeta-clock-XXXXXX"));
    if (!probe.open())
        return std::nullopt;
    const QDateTime now = QFileInfo(probe.fileName()).lastModified().toUTC();
    if (!now.isValid())
        return std::nullopt;
    return now;
}

QString FileLock::error() const
{
    switch (m_lock.error()) {
    case QLockFile::NoError:
        return {};
    case QLockFile::LockFailedError:
        return QStringLiteral("%1: iný program zapisuje a neskončil ani za %2 s.")
            .arg(m_lockPath, QString::number(std::chrono::duration_cast<std::chrono::seconds>(kWait).count()));
    case QLockFile::PermissionError:
        return QStringLiteral("%1: zámok sa nedá vytvoriť, do priečinka sa nedá zapisovať.").arg(m_lockPath);
    case QLockFile::UnknownError:
        break;
    }
    // QLockFile keeps the system's reason to itself; a full disk is the usual one.
    const QStorageInfo storage(QFileInfo(m_lockPath).absolutePath());
    if (storage.isValid() && storage.bytesAvailable() == 0)
        return QStringLiteral("%1: zámok sa nedá vytvoriť, disk je plný.").arg(m_lockPath);
    return QStringLiteral("%1: zámok sa nedá vytvoriť.").arg(m_lockPath);
}

} // namespace orbeta
