// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/Commands.h"
#include "cli/DataDirOption.h"
#include "cli/ResultsLogTable.h"
#include "cli/StandardOutput.h"

#include "print/ClassReportDocument.h"
#include "print/PrintPage.h"
#include "results/ClassReport.h"
#include "results/ResultsLog.h"
#include "shell/SafeFile.h"

#include <QRegularExpression>
#include <QStringDecoder>

#include <optional>

namespace orbeta::cli {
namespace {

const QString kUsage = QStringLiteral(
    "usage: orbeta-cli report [--data DIR] [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--pupils FILE]\n"
    "                         [--task CODE]... [--pupil NAME]... (-o FILE.pdf | --csv [-o FILE.csv])");

// Takes every "--name VALUE" (or "--name=VALUE") out of args; false when one lacks its value.
bool takeValues(QStringList& args, const QString& name, QStringList& values)
{
    for (qsizetype i = 0; i < args.size();) {
        if (args.at(i) == name) {
            if (i + 1 >= args.size())
                return false;
            values.append(args.at(i + 1));
            args.remove(i, 2);
        } else if (args.at(i).startsWith(name + QLatin1Char('='))) {
            values.append(args.at(i).mid(name.size() + 1));
            args.remove(i);
        } else {
            ++i;
        }
    }
    return true;
}

std::optional<QDate> parseDate(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    if (!form.match(text).hasMatch())
        return std::nullopt;
    const QDate date = QDate::fromString(text, Qt::ISODate);
    return date.isValid() ? std::optional(date) : std::nullopt;
}

// The class list: UTF-8, one name a line, blank lines ignored.
FileResult<QStringList> readClassList(const QString& path)
{
    const FileResult<QByteArray> bytes = SafeFile::read(path, FileKind::DataTable);
    if (!bytes)
        return bytes.error();
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes.value());
    if (utf8.hasError())
        return FileError{path, 0, QStringLiteral("nie je text v UTF-8.")};
    QStringList names;
    for (const QString& line : text.split(QLatin1Char('\n')))
        if (!line.trimmed().isEmpty())
            names.append(line.trimmed());
    if (names.isEmpty())
        return FileError{path, 0, QStringLiteral("neobsahuje ani jedno meno.")};
    return names;
}

} // namespace

// report [...] -o FILE.pdf: what a class practised in a period, as a PDF
// with charts, or its overview table as CSV.
int reportCommand(const QStringList& arguments)
{
    QStringList args = arguments;
    const DataDirOption::Option data = DataDirOption::takeOption(args);
    if (data.status != Ok)
        return data.status;
    std::optional<QString> from, to, pupilsFile, output, shortOutput;
    QStringList taskCodes, pupilNames;
    const bool parsed = takeValue(args, QStringLiteral("--from"), from) && takeValue(args, QStringLiteral("--to"), to)
                        && takeValue(args, QStringLiteral("--pupils"), pupilsFile)
                        && takeValue(args, QStringLiteral("--output"), output)
                        && takeValue(args, QStringLiteral("-o"), shortOutput)
                        && takeValues(args, QStringLiteral("--task"), taskCodes)
                        && takeValues(args, QStringLiteral("--pupil"), pupilNames);
    const qsizetype csvFlags = args.removeAll(QStringLiteral("--csv"));
    if (!parsed || !args.isEmpty() || csvFlags > 1 || (output && shortOutput))
        return fail(BadUsage, kUsage);
    if (!output)
        output = shortOutput;
    const bool csv = csvFlags == 1;
    if ((!output && !csv) || (output && output->isEmpty()))
        return fail(BadUsage, kUsage);

    results::ReportRequest request;
    request.today = QDate::currentDate();
    for (const auto& [text, date] : {std::pair{&from, &request.from}, std::pair{&to, &request.to}}) {
        if (!*text)
            continue;
        *date = parseDate(**text);
        if (!*date)
            return fail(BadUsage, QStringLiteral("%1 is not a date (YYYY-MM-DD)").arg(**text));
    }
    if (request.from && request.to && *request.from > *request.to)
        return fail(BadUsage, QStringLiteral("--from %1 is after --to %2").arg(*from, *to));
    for (const QString& code : taskCodes) {
        const TaskRow* task = TaskTable::find(code);
        if (!task)
            return fail(BadUsage, QStringLiteral("%1 is not a task (%2)").arg(code, TaskTable::codeRanges()));
        if (!request.tasks.contains(task))
            request.tasks.append(task);
    }
    request.pupils = pupilNames;

    const DataDirOption::Result dir = DataDirOption::resolve(data.given, DataDirOption::Holding::Results);
    if (dir.status != Ok)
        return dir.status;
    if (pupilsFile) {
        const FileResult<QStringList> names = readClassList(*pupilsFile);
        if (!names)
            return fail(BadFile, names.error().message());
        request.classList = names.value();
    }
    const results::ResultsLog log(dir.dir);
    const FileResult<results::ResultsLogContents> contents = log.read();
    if (!contents)
        return fail(BadFile, contents.error().message());
    for (const results::SkippedLines& skipped : contents.value().skipped)
        fail(Ok, skipped.error(log.path()).message());

    const results::ClassReport report = results::ClassReport::make(contents.value(), TaskTable::rows(), request);
    QByteArray bytes;
    if (csv) {
        bytes = ResultsLogTable::reportCsv(report);
    } else {
        print::PrintPage::loadFonts(QString());
        bytes = print::ClassReportDocument(report, request.today).pdf();
        if (bytes.isEmpty())
            return fail(BadFile, QStringLiteral("the report could not be laid out"));
    }
    if (!output) {
        StandardOutput out;
        out.write(bytes);
        return out.finish();
    }
    const FileOutcome written = SafeFile::write(*output, bytes);
    if (!written.ok())
        return fail(BadFile, written.error);
    return Ok;
}

} // namespace orbeta::cli
