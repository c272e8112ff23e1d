// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A lock on a network share is judged by the share's clock: a computer whose
// own clock is off by far more than the stale time neither takes over a live
// lock early nor waits for ever on a crashed one.
#include "files/FileLock.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using orbeta::FileLock;

namespace {

// A lock written by a program on another computer, its time `shift` seconds
// off this computer's clock, as a share whose server runs ahead or behind writes it.
QDateTime writeForeignLock(const QString& lockPath, qint64 shift)
{
    QFile lock(lockPath);
    EXPECT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write("4242\norbeta\nanother-computer\n");
    // Written out first, or closing would write it and the time would be now.
    EXPECT_TRUE(lock.flush());
    const QDateTime written = QDateTime::currentDateTimeUtc().addSecs(shift);
    EXPECT_TRUE(lock.setFileTime(written, QFileDevice::FileModificationTime));
    lock.close();
    return QFileInfo(lockPath).lastModified().toUTC();
}

} // namespace

TEST(FileLock, ALiveLockIsNotTakenOverEarlyWhateverTheClocksSay)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("1a.res"));
    for (const qint64 shift : {-10, 10}) {
        SCOPED_TRACE(shift);
        const QDateTime written = writeForeignLock(path + QStringLiteral(".lock"), shift);
        // The share's clock agrees with the lock it just wrote.
        const auto shareClock = [written](const QString&) { return std::optional<QDateTime>(written.addMSecs(100)); };
        QElapsedTimer waited;
        waited.start();
        const FileLock lock(path, shareClock);
        // A holder busy for longer than any write counts as crashed: taken over
        // then, and not a moment earlier.
        EXPECT_TRUE(lock.isLocked()) << lock.error().toStdString();
        EXPECT_GE(waited.elapsed(), FileLock::kStale.count() - 200);
    }
}

TEST(FileLock, ACrashedLockIsTakenOverAtOnceWhateverTheClocksSay)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Vysledky.dat"));
    for (const qint64 shift : {-10, 10}) {
        SCOPED_TRACE(shift);
        const QDateTime written = writeForeignLock(path + QStringLiteral(".lock"), shift);
        // The share wrote the lock a minute ago by its own clock.
        const auto shareClock = [written](const QString&) { return std::optional<QDateTime>(written.addSecs(60)); };
        QElapsedTimer waited;
        waited.start();
        const FileLock lock(path, shareClock);
        EXPECT_TRUE(lock.isLocked()) << lock.error().toStdString();
        EXPECT_LT(waited.elapsed(), FileLock::kStale.count());
    }
    // By default the share's clock is read off the file system.
    writeForeignLock(path + QStringLiteral(".lock"), -60);
    QElapsedTimer waited;
    waited.start();
    EXPECT_TRUE(FileLock(path).isLocked());
    EXPECT_LT(waited.elapsed(), FileLock::kStale.count());
}

TEST(FileLock, TheFileSystemClockLeavesNothingBehind)
{
    QTemporaryDir dir;
    const std::optional<QDateTime> now = FileLock::fileSystemNow(dir.path());
    ASSERT_TRUE(now.has_value());
    EXPECT_LT(std::abs(now->secsTo(QDateTime::currentDateTimeUtc())), 5);
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
    EXPECT_FALSE(FileLock::fileSystemNow(dir.filePath(QStringLiteral("absent"))).has_value());
}
