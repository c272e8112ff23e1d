// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/DriveType.h"

#include "formats/IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QStringList>

namespace orbeta {

namespace {

bool readsOne(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(1) == "1";
}

// A partition's flag lives on its parent disk (sdb1 -> sdb).
bool isRemovableDevice(const QByteArray& device)
{
    if (!device.startsWith("/dev/"))
        return false;
    const QString name = QFileInfo(QString::fromLocal8Bit(device)).canonicalFilePath().section(QLatin1Char('/'), -1);
    if (name.isEmpty())
        return false;
    const QString sys = QStringLiteral("/sys/class/block/") + name;
    return readsOne(sys + QStringLiteral("/removable")) || readsOne(sys + QStringLiteral("/../removable"));
}

} // namespace

int DriveType::fromFileSystem(const QString& fileSystemType, bool removableDevice)
{
    static const QStringList cd{QStringLiteral("iso9660"), QStringLiteral("udf")};
    static const QStringList remote{
        QStringLiteral("nfs"), QStringLiteral("nfs4"), QStringLiteral("cifs"), QStringLiteral("smb3"),
        QStringLiteral("smbfs"), QStringLiteral("9p"), QStringLiteral("afs"), QStringLiteral("ceph"),
        QStringLiteral("glusterfs"), QStringLiteral("fuse.sshfs"), QStringLiteral("fuse.glusterfs"),
        QStringLiteral("davfs"), QStringLiteral("fuse.davfs"),
    };
    static const QStringList ram{QStringLiteral("tmpfs"), QStringLiteral("ramfs")};
    const QString type = fileSystemType.toLower();
    if (cd.contains(type))
        return kCdRom;
    if (remote.contains(type))
        return kRemote;
    if (ram.contains(type))
        return kRamDisk;
    return removableDevice ? kRemovable : kFixed;
}

DriveType::Drive DriveType::of(const QString& directory)
{
    QString native = directory;
    native.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QStorageInfo storage(native);
    Drive drive;
    if (!storage.isValid())
        return drive;
    drive.root = withTrailingSeparator(storage.rootPath());
    drive.type = fromFileSystem(QString::fromLatin1(storage.fileSystemType()), isRemovableDevice(storage.device()));
    return drive;
}

QString DriveType::caption(const Drive& drive)
{
    return drive.root + QStringLiteral("\nTyp disku: ") + QString::number(drive.type);
}

} // namespace orbeta
