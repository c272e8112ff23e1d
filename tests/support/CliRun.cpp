// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/CliRun.h"

#include <QProcess>

namespace orbeta::test_support {

CliRun runCli(const QStringList& args)
{
    QProcess process;
    process.start(qEnvironmentVariable("ORBETA_BUILD_DIR") + QStringLiteral("/orbeta-cli"), args);
    CliRun run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace orbeta::test_support
