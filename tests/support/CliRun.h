// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace orbeta::test_support {

// What a run of the build's orbeta-cli gave.
struct CliRun {
    int status = -1; // -1 when it crashed or did not end within a minute
    QByteArray out;
    QString err;
};

CliRun runCli(const QStringList& args);

} // namespace orbeta::test_support
