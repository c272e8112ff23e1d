// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/FileBytes.h"

#include <QFile>

namespace orbeta::test_support {

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QString installedDataDir()
{
    return qEnvironmentVariable("ORBETA_BUILD_DIR") + QStringLiteral("/hd/");
}

QByteArray installedData(const QString& name)
{
    return readBytes(installedDataDir() + name);
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace orbeta::test_support
