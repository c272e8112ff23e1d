// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace orbeta {

// Qt keeps runtime files in XDG_RUNTIME_DIR. Where that is not set (a cron
// job, an SSH command, a container) Qt makes "runtime-USER" under the
// temporary path, and at the root of the file system when TMPDIR names no
// folder. Made before the application object, this gives Qt a private folder
// of the program's own under a usable temporary folder instead, removed when
// the program ends (and, for a program that was killed, by the next start:
// the folder's name holds the id of its process).
class RuntimeDirectory {
public:
    RuntimeDirectory();
    RuntimeDirectory(const RuntimeDirectory&) = delete;
    RuntimeDirectory& operator=(const RuntimeDirectory&) = delete;

    // Empty when Qt has a runtime folder; otherwise why none could be made
    // (the program must not start Qt then).
    QString error() const { return m_error; }

private:
    std::unique_ptr<QTemporaryDir> m_own;
    QString m_error;
};

} // namespace orbeta
