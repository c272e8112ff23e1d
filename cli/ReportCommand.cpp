// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/Commands.h"
#include "cli/DataDirOption.h"
#include "cli/ResultsLogTable.h"
#include "cli/StandardOutput.h"

#include "files/SafeFile.h"
#include "print/page/PrintPage.h"
#include "print/report/ClassReportDocument.h"
#include "results/data/ResultsLog.h"
#include "results/report/ClassReport.h"

#include <QRegularExpression>
#include <QStringDecoder>

#include <optional>

namespace orbeta::cli {
namespace {

const QString kUsage = QStringLiteral(
    "usage: orbeta-cli report [--data DIR] [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--pupils FILE]\n"
    "                         [--task CODE]... [--pupil NAME]... [--pupil-pages]\n"
    "                         (-o FILE.pdf | --csv [--semicolon] [-o FILE.csv])");

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

// The class list: UTF-8, one pupil a line (other spellings after "="),
// blank lines ignored.
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
    const qsizetype semicolonFlags = args.removeAll(QStringLiteral("--semicolon"));
    const qsizetype pupilPagesFlags = args.removeAll(QStringLiteral("--pupil-pages"));
    if (!parsed || !args.isEmpty() || csvFlags > 1 || semicolonFlags > 1 || pupilPagesFlags > 1
        || (output && shortOutput))
        return fail(BadUsage, kUsage);
    if (!output)
        output = shortOutput;
    const bool csv = csvFlags == 1;
    if ((!output && !csv) || (output && output->isEmpty()) || (semicolonFlags == 1 && !csv)
        || (pupilPagesFlags == 1 && csv))
        return fail(BadUsage, kUsage);

    results::ReportRequest request;
    request.today = QDate::currentDate();
    for (const auto& [text, date] : {std::pair{&from, &request.from}, std::pair{&to, &request.to}}) {
        if (!*text)
            continue;
        *date = parseDate(**text);
        if (!*date)
            return fail(BadUsage, QStringLiteral("„%1“ nie je dátum v tvare RRRR-MM-DD.").arg(**text));
    }
    if (request.from && request.to && *request.from > *request.to)
        return fail(BadUsage, QStringLiteral("obdobie končí (--to %2) skôr, ako začne (--from %1).").arg(*from, *to));
    if (request.from && *request.from > request.today)
        return fail(BadUsage, QStringLiteral("--from %1 je až po dnešku: v takom období nie je nič.").arg(*from));
    for (const QString& code : taskCodes) {
        const TaskRow* task = TaskTable::find(code);
        if (!task)
            return fail(BadUsage, QStringLiteral("„%1“ nie je kód úlohy (%2).").arg(code, TaskTable::codeRanges()));
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
    if (const QString warning = log.sizeWarning(); !warning.isEmpty())
        fail(Ok, warning);

    const results::ClassReport report = results::ClassReport::make(contents.value(), TaskTable::rows(), request);
    if (report.from > report.to)
        return fail(BadUsage, QStringLiteral("obdobie končí (%1) skôr, ako začne prvá séria záznamu (%2).")
                                  .arg(report.to.toString(Qt::ISODate), report.from.toString(Qt::ISODate)));
    if (!report.pupilsNotFound.isEmpty() || !report.pupilsNotListed.isEmpty()) {
        for (const QString& name : report.pupilsNotFound)
            fail(NoSuchPupil, request.classList
                                  ? QStringLiteral("žiak „%1“ nie je v zozname triedy %2 a v súbore %3 nemá ani jednu sériu.")
                                        .arg(name, *pupilsFile, log.path())
                                  : QStringLiteral("žiak „%1“ nemá v súbore %2 ani jednu sériu.").arg(name, log.path()));
        for (const QString& name : report.pupilsNotListed)
            fail(NoSuchPupil, QStringLiteral("žiak „%1“ má série v súbore výsledkov, ale v zozname triedy %2 nie je "
                                             "(iné písanie mena sa dá pridať do zoznamu za „=“).")
                                  .arg(name, *pupilsFile));
        return NoSuchPupil;
    }
    for (const results::SkippedLines& skipped : contents.value().skipped)
        fail(Ok, skipped.error(log.path()).message());
    for (const results::UnknownTask& unknown : report.unknownTasks) {
        QStringList lines;
        for (int line : unknown.lines)
            lines.append(QString::number(line));
        fail(Ok, QStringLiteral("Súbor %1: série úlohy, ktorú program nepozná („%2“, „%3“), vynechané: riadky %4.")
                     .arg(log.path(), unknown.topic, unknown.title, lines.join(QStringLiteral(", "))));
    }

    QByteArray bytes;
    if (csv) {
        bytes = ResultsLogTable::reportCsv(report, semicolonFlags == 1 ? QLatin1Char(';') : QLatin1Char(','));
    } else {
        print::PrintPage::loadFonts(QString());
        const auto pages = pupilPagesFlags == 1 || !request.pupils.isEmpty() ? print::ClassReportDocument::Pages::EachPupil
                                                                            : print::ClassReportDocument::Pages::Class;
        bytes = print::ClassReportDocument(report, request.today, pages, log.path()).pdf();
        if (bytes.isEmpty())
            return fail(BadFile, QStringLiteral("prehľad sa nepodarilo vytvoriť."));
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
