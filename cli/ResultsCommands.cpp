// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/Commands.h"
#include "cli/DataDirOption.h"
#include "cli/StandardOutput.h"

#include "files/ResourcePath.h"
#include "files/SafeFile.h"
#include "formats/MarkTableFile.h"
#include "results/data/RankingFile.h"
#include "results/ranking/MarkCalculator.h"
#include "tasks/TaskTable.h"


#include <optional>

namespace orbeta::cli {
namespace {

// The counters of a series are 16-bit.
constexpr int largestCount = 32767;

std::optional<int> count(const QString& text)
{
    if (text.isEmpty() || text.size() > 9)
        return std::nullopt;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    const int value = text.toInt();
    if (value > largestCount)
        return std::nullopt;
    return value;
}

bool hasUnknownOption(const QStringList& args)
{
    for (const QString& arg : args)
        if (arg.startsWith(QLatin1String("--")))
            return true;
    return false;
}


// A table cell on one line: tabs and line breaks of a hand-edited name
// would shift the columns.
QString cell(QString text)
{
    for (QChar& c : text)
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    return text;
}

} // namespace

// mark CORRECT TOTAL [--data DIR]: the mark the table gives, or an empty line.
int markCommand(const QStringList& arguments)
{
    QStringList args = arguments;
    const auto option = DataDirOption::takeOption(args);
    if (option.status != Ok)
        return option.status;
    const QString usage = QStringLiteral("usage: orbeta-cli mark CORRECT TOTAL [--data DIR]");
    if (args.size() != 2 || hasUnknownOption(args))
        return fail(BadUsage, usage);
    const auto correct = count(args.at(0));
    const auto total = count(args.at(1));
    if (!correct || !total)
        return fail(BadUsage, QStringLiteral("CORRECT a TOTAL musia byť celé čísla od 0 do %1.\n%2")
                                  .arg(largestCount)
                                  .arg(usage));
    if (*correct > *total)
        return fail(BadUsage, QStringLiteral("CORRECT (%1) nemôže byť väčšie ako TOTAL (%2).").arg(*correct).arg(*total));

    const auto dataDir = DataDirOption::resolve(option.given, DataDirOption::Holding::Tables);
    if (dataDir.status != Ok)
        return dataDir.status;
    const QString path = ResourcePath::resolve(dataDir.dir, QLatin1String(MarkTableFile::fileName));
    const FileResult<QByteArray> bytes = SafeFile::read(path, FileKind::Settings);
    if (!bytes)
        return fail(BadFile, bytes.error().message());
    const auto table = MarkTableFile::parse(bytes.value(), path);
    if (!table)
        return fail(BadFile, table.error().message());

    StandardOutput out;
    out.write(results::MarkCalculator::Vlozeni_znamky(table.value(), *correct, *total) + QLatin1Char('\n'));
    return out.finish();
}

// ranking CODE [--data DIR]: every record of the task's ranking, best first,
// one a line: position, name, correct, wrong and mark, separated by tabs.
int rankingCommand(const QStringList& arguments)
{
    QStringList args = arguments;
    const auto option = DataDirOption::takeOption(args);
    if (option.status != Ok)
        return option.status;
    if (args.size() != 1 || hasUnknownOption(args))
        return fail(BadUsage, QStringLiteral("usage: orbeta-cli ranking CODE [--data DIR]"));
    if (!TaskTable::find(args.at(0)))
        return fail(BadUsage, QStringLiteral("Neznámy kód úlohy „%1“ (%2).")
                                  .arg(args.at(0).left(20), TaskTable::codeRanges()));

    const auto dataDir = DataDirOption::resolve(option.given, DataDirOption::Holding::Results);
    if (dataDir.status != Ok)
        return dataDir.status;
    const results::RankingFile file(dataDir.dir, args.at(0));
    auto read = file.read();
    if (!read)
        return fail(BadFile, read.error().message());

    read.value().sort();
    StandardOutput out;
    qsizetype position = 0;
    for (const results::RankingRecord& record : read.value().records())
        out.write(QString::number(++position) + QLatin1Char('\t') + cell(record.name) + QLatin1Char('\t')
                  + QString::number(record.correct) + QLatin1Char('\t') + QString::number(record.wrong)
                  + QLatin1Char('\t') + (record.hasMark() ? QString::number(record.mark) : QString())
                  + QLatin1Char('\n'));
    return out.finish();
}

} // namespace orbeta::cli
