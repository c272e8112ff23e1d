// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/Commands.h"
#include "cli/DataDirOption.h"
#include "cli/ResultsLogTable.h"
#include "cli/StandardOutput.h"
#include "results/data/ResultsLog.h"

namespace orbeta::cli {
// results [--data DIR] [--csv]: every whole entry of the results log, oldest
// first; each run of damaged lines is named on standard error.
int resultsCommand(const QStringList& arguments)
{
    QStringList args = arguments;
    const auto option = DataDirOption::takeOption(args);
    if (option.status != Ok)
        return option.status;
    const bool csv = args.removeAll(QStringLiteral("--csv")) == 1;
    if (!args.isEmpty() || arguments.count(QStringLiteral("--csv")) > 1)
        return fail(BadUsage, QStringLiteral("usage: orbeta-cli results [--data DIR] [--csv]"));

    const auto dataDir = DataDirOption::resolve(option.given, DataDirOption::Holding::Results);
    if (dataDir.status != Ok)
        return dataDir.status;
    const results::ResultsLog log(dataDir.dir);
    const auto contents = log.read();
    if (!contents)
        return fail(BadFile, contents.error().message());
    if (const QString warning = log.sizeWarning(); !warning.isEmpty())
        fail(Ok, warning);

    StandardOutput out;
    const auto& entries = contents.value().entries;
    out.write(csv ? ResultsLogTable::csv(entries) : ResultsLogTable::tabs(entries));
    const int status = out.finish();
    for (const results::SkippedLines& skipped : contents.value().skipped)
        fail(SomeSkipped, skipped.error(log.path()).message());
    return status == Ok && !contents.value().skipped.isEmpty() ? SomeSkipped : status;
}

} // namespace orbeta::cli
