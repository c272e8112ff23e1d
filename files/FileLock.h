// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <QLockFile>
#include <QString>

#include <chrono>
#include <functional>
#include <optional>

namespace orbeta {

// Holds a file of the shared data directory for one read-modify-write or
// append, as long as it lives: a lock file beside it ("1a.res.lock"), which
// also works on a network share. A whole class may finish a series in the
// same minute; each program waits a little for the others, never for ever.
class FileLock {
public:
    // How long another program's lock is waited for.
    static constexpr std::chrono::milliseconds kWait{5000};
    // Writing takes milliseconds: an older lock was left by a program that
    // crashed, on another computer or before it could even name itself in
    // the lock. Shorter than kWait, so that such a lock costs the next pupil
    // a few seconds, not the result. On this computer a lock whose program
    // is gone is taken over at once.
    static constexpr std::chrono::milliseconds kStale{3000};
    // How often a held lock is tried again.
    static constexpr std::chrono::milliseconds kRetry{20};

    // The time the file system holding a directory gives a file made there
    // now; none when no file can be made there.
    using FileSystemClock = std::function<std::optional<QDateTime>(const QString& directory)>;

    // A lock's age is judged against the file system's own clock, never the
    // local one: on a network share the lock file's time is the server's, and
    // a computer whose clock is off would otherwise take over live locks.
    explicit FileLock(const QString& path, const FileSystemClock& clock = &FileLock::fileSystemNow);
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool isLocked() const { return m_lock.isLocked(); }
    // Another program held the file for the whole wait.
    bool isBusy() const { return m_lock.error() == QLockFile::LockFailedError; }

    // Why the lock could not be had, naming the lock file; empty when held.
    QString error() const;

    // The modification time of a file made and removed at once in `directory`.
    static std::optional<QDateTime> fileSystemNow(const QString& directory);

private:
    void takeOverIfStale(const FileSystemClock& clock);

    QString m_lockPath;
    QLockFile m_lock;
    // The file system's time when first asked, and the steady time since.
    std::optional<QDateTime> m_fileSystemThen;
    std::chrono::steady_clock::time_point m_askedAt;
};

} // namespace orbeta
