#include "cli/Commands.h"
#include "cli/DataDirOption.h"
#include "cli/ResultsLogTable.h"
#include "cli/StandardOutput.h"
#include "results/ResultsLog.h"
#include "results/ResultsLogFormat.h"
#include "shell/SafeFile.h"


#include <cstdio>

namespace orbeta::cli {
// results [--data DIR] [--csv]: every entry of the results log, oldest first.
int resultsCommand(const QStringList& arguments)
{
    QStringList args = arguments;
    const auto option = DataDirOption::takeOption(args);
    if (option.status != Ok)
        return option.status;
    const bool csv = args.removeAll(QStringLiteral("--csv")) == 1;
    if (!args.isEmpty() || arguments.count(QStringLiteral("--csv")) > 1)
        return fail(BadUsage, QStringLiteral("usage: orbeta-cli results [--data DIR] [--csv]"));

    const auto dataDir = DataDirOption::resolve(option.given);
    if (dataDir.status != Ok)
        return dataDir.status;
    const QString path = results::ResultsLog(dataDir.dir).path();
    QByteArray bytes;
    // A log that was never written holds no series yet.
    if (!SafeFile::isAbsent(path)) {
        const FileResult<QByteArray> read = SafeFile::read(path, FileKind::DataTable);
        if (!read)
            return fail(BadFile, read.error().message());
        bytes = read.value();
    }
    const auto entries = results::ResultsLogFormat::parse(bytes, path);
    if (!entries)
        return fail(BadFile, entries.error().message());

    StandardOutput out;
    out.write(csv ? ResultsLogTable::csv(entries.value()) : ResultsLogTable::tabs(entries.value()));
    return out.finish();
}

} // namespace orbeta::cli
