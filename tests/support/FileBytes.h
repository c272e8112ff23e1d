// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

namespace orbeta::test_support {

// The whole content of a file; "<unreadable>" when it cannot be opened, so a
// missing file never equals an expected empty one.
QByteArray readBytes(const QString& path);
// The data folder the build installs, with its trailing slash, and a file of it.
QString installedDataDir();
QByteArray installedData(const QString& name);

// Replaces a file's content; false when it cannot be written.
bool writeBytes(const QString& path, const QByteArray& bytes);

} // namespace orbeta::test_support
