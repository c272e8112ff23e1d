#pragma once

#include <QLockFile>
#include <QString>

#include <chrono>

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

    explicit FileLock(const QString& path);
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool isLocked() const { return m_lock.isLocked(); }

    // Why the lock could not be had, naming the lock file; empty when held.
    QString error() const;

private:
    QString m_lockPath;
    QLockFile m_lock;
};

} // namespace orbeta
