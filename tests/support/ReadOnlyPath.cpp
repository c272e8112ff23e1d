// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/ReadOnlyPath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace orbeta::test_support {

ReadOnlyPath::ReadOnlyPath(const QString& path)
    : path_(path)
    , isDir_(QFileInfo(path).isDir())
{
    QFile::setPermissions(path_, isDir_ ? QFile::ReadOwner | QFile::ExeOwner : QFile::ReadOwner);
    active_ = !canWrite() || (setImmutable(true) && !canWrite());
}

ReadOnlyPath::~ReadOnlyPath()
{
    setImmutable(false);
    QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner | (isDir_ ? QFile::ExeOwner : QFile::Permissions()));
}

bool ReadOnlyPath::canWrite() const
{
    if (!isDir_)
        return QFile(path_).open(QIODevice::Append);
    QFile probe(QDir(path_).filePath(QStringLiteral("probe")));
    const bool created = probe.open(QIODevice::WriteOnly);
    if (created)
        probe.remove();
    return created;
}

bool ReadOnlyPath::setImmutable(bool on) const
{
    const int fd = ::open(QFile::encodeName(path_).constData(), O_RDONLY | O_NONBLOCK);
    if (fd < 0)
        return false;
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
}

} // namespace orbeta::test_support
