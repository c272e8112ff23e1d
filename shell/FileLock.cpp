#include "shell/FileLock.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QStorageInfo>

namespace orbeta {

FileLock::FileLock(const QString& path)
    : m_lockPath(path + QStringLiteral(".lock"))
    , m_lock(m_lockPath)
{
    m_lock.setStaleLockTime(kStale);
    // Short tries: QLockFile alone backs off to seconds between tries, and
    // a class of waiting programs would then miss the lock for good.
    const QDeadlineTimer deadline(kWait);
    bool locked = m_lock.tryLock(kRetry);
    while (!locked && m_lock.error() == QLockFile::LockFailedError && !deadline.hasExpired())
        locked = m_lock.tryLock(kRetry);
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
