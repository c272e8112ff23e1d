// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/Commands.h"
#include "cli/DataDirOption.h"
#include "cli/ExampleJson.h"
#include "cli/HistoryExamples.h"
#include "cli/OpticsJson.h"
#include "cli/StandardOutput.h"

#include "calc/data/DataFile.h"
#include "calc/rules/GenerateExample.h"
#include "calc/tables/ExampleTable.h"
#include "calc/tables/TableFile.h"
#include "files/ResourcePath.h"
#include "formats/WholeNumber.h"
#include "frame/ExampleSeeder.h"
#include "optics/OpticsGenerator.h"
#include "optics/OpticsTaskFile.h"
#include "print/contents/OpticsWorksheet.h"

#include <QDateTime>

#include <cstdio>
#include <optional>

namespace orbeta::cli {
namespace {

constexpr long long kMaxCount = 1'000'000;

const QString kUsage = QStringLiteral(
    "usage: orbeta-cli examples CODE [--count N] [--seed S] [--data DIR]\n"
    "  CODE: a calculation task, 1a-1d, 2a-2e, 3a, 3b or 5a-5e, N examples (default 1);\n"
    "  a ray construction, 4a or 4b, N examples (default 1);\n"
    "  or a history task, 6a-6c, the screens of a series of N items (default one screen);\n"
    "  N: 0 to 1000000;\n"
    "  S: a whole number from 0 to 18446744073709551615 (default: from the clock)");

// The numbers of the task's table file in the data directory.
std::optional<ExampleTable> loadTable(CalcTask task, const std::optional<QString>& dataOption, int& status)
{
    const QString fileName = ExampleTable::fileName(task);
    if (fileName.isEmpty() && !dataOption)
        return ExampleTable();
    const DataDirOption::Result dir = DataDirOption::resolve(dataOption, DataDirOption::Holding::Tables);
    if (dir.status != Ok) {
        status = dir.status;
        return std::nullopt;
    }
    if (fileName.isEmpty())
        return ExampleTable();
    const QString path = ResourcePath::resolve(dir.dir, fileName);
    auto report = [&status](const FileError& error) {
        status = fail(BadFile, error.message());
        return std::nullopt;
    };
    const FileResult<QByteArray> bytes = LoadDataFile(path);
    if (!bytes)
        return report(bytes.error());
    const FileResult<CalcTable> table =
        ReadTableFile(bytes.value(), path, ExampleTable::needs(task));
    if (!table)
        return report(table.error());
    FileResult<ExampleTable> numbers = ExampleTable::fromCalcTable(task, table.value(), path);
    if (!numbers)
        return report(numbers.error());
    return numbers.value();
}

// The scene file of the optics task in the data directory, ready to generate.
std::optional<OpticsGenerator> loadScenes(OpticsTask task, const std::optional<QString>& dataOption, int& status)
{
    const DataDirOption::Result dir = DataDirOption::resolve(dataOption, DataDirOption::Holding::Tables);
    if (dir.status != Ok) {
        status = dir.status;
        return std::nullopt;
    }
    // As on the printed sheet: each mirror drawn by the installation's
    // pictures, of the kind its scene needs.
    FileResult<OpticsGenerator> generator = OpticsTaskFile::read(task, dir.dir, print::OpticsWorksheet::pictureCheck());
    if (!generator) {
        status = fail(BadFile, generator.error().message());
        return std::nullopt;
    }
    return std::move(generator.value());
}

// One series of ray constructions: the kinds alternate as on the form,
// example i drawn from seed + i.
int opticsExamples(OpticsTask task, const std::optional<QString>& dataOption, std::uint64_t count,
                   std::uint64_t seed)
{
    int status = Ok;
    std::optional<OpticsGenerator> generator = loadScenes(task, dataOption, status);
    if (!generator)
        return status;
    StandardOutput output;
    for (std::uint64_t i = 0; i < count; ++i) {
        RandomSource rnd(seed + i);
        const FileResult<OpticsExample> e = generator->GenerateExample([&rnd] { return rnd.Rnd(); });
        if (!e) {
            output.finish();
            return fail(BadFile, e.error().message());
        }
        output.writeLine(opticsExampleJson(e.value(), seed + i));
    }
    return output.finish();
}

} // namespace

// examples CODE [--count N] [--seed S] [--data DIR]: N examples of the task
// as JSON Lines; example i (from 0) is generated from seed S + i.
int examplesCommand(const QStringList& arguments)
{
    QStringList args = arguments;
    const DataDirOption::Option data = DataDirOption::takeOption(args);
    if (data.status != Ok)
        return data.status;
    std::optional<QString> countText;
    std::optional<QString> seedText;
    if (!takeValue(args, QStringLiteral("--count"), countText)
        || !takeValue(args, QStringLiteral("--seed"), seedText) || args.size() != 1
        || args.first().startsWith(QLatin1Char('-')))
        return fail(BadUsage, kUsage);
    const std::optional<CalcTask> task = calcTaskFromCode(args.first());
    const std::optional<OpticsTask> optics = opticsTaskFromCode(args.first());
    const std::optional<HistoryCode> history = HistoryDeck::codeOf(args.first());
    if (!task && !optics && !history)
        return fail(BadUsage, QStringLiteral("%1 nie je úloha výpočtov, optiky ani histórie.\n%2").arg(args.first(), kUsage));
    std::optional<std::uint64_t> count;
    if (countText) {
        const auto n = ParseWholeNumber(*countText);
        if (!n || *n > kMaxCount)
            return fail(BadUsage, QStringLiteral("--count potrebuje celé číslo od 0 do %1.").arg(kMaxCount));
        count = *n;
    }
    std::uint64_t seed = 0;
    if (seedText) {
        const auto s = ParseWholeNumber(*seedText);
        if (!s)
            return fail(BadUsage, QStringLiteral("--seed potrebuje celé číslo od 0 do 18446744073709551615."));
        seed = *s;
    } else {
        seed = ExampleSeeder().next(QDateTime::currentMSecsSinceEpoch());
    }

    if (optics)
        return opticsExamples(*optics, data.given, count.value_or(1), seed);
    if (history)
        return historyExamples(*history, count, seed, data.given);

    int status = Ok;
    const std::optional<ExampleTable> table = loadTable(*task, data.given, status);
    if (!table)
        return status;

    StandardOutput output;
    for (std::uint64_t i = 0; i < count.value_or(1); ++i) {
        RandomSource rnd(seed + i);
        output.writeLine(exampleJson(GenerateExample(*task, *table, rnd), seed + i));
    }
    return output.finish();
}

} // namespace orbeta::cli
