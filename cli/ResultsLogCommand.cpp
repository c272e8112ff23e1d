#include "cli/Commands.h"
#include "cli/DataDirOption.h"
#include "cli/ResultsLogTable.h"

#include "results/ResultsLog.h"
#include "results/ResultsLogFormat.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>

namespace orbeta::cli {
namespace {

int fail(int status, const QString& message)
{
    QTextStream(stderr) << "orbeta-cli: " << message << '\n';
    return status;
}

} // namespace

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
    if (QFileInfo::exists(path)) {
        if (!QFileInfo(path).isFile())
            return fail(BadFile, QStringLiteral("cannot read %1: not a regular file").arg(path));
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return fail(BadFile, QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
        bytes = file.readAll();
        if (file.error() != QFileDevice::NoError)
            return fail(BadFile, QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    }
    const auto entries = results::ResultsLogFormat::parse(bytes, path);
    if (!entries)
        return fail(BadFile, entries.error().message());

    const QByteArray out = csv ? ResultsLogTable::csv(entries.value()) : ResultsLogTable::tabs(entries.value());
    if (std::fwrite(out.constData(), 1, size_t(out.size()), stdout) != size_t(out.size()) || std::fflush(stdout) != 0)
        return fail(BadFile, QStringLiteral("cannot write the standard output"));
    return Ok;
}

} // namespace orbeta::cli
