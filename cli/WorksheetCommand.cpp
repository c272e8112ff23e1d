// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/Commands.h"
#include "cli/DataDirOption.h"

#include "files/ResourcePath.h"
#include "files/SafeFile.h"
#include "files/WindowsDirectory.h"
#include "formats/IniFile.h"
#include "formats/WholeNumber.h"
#include "frame/ExampleSeeder.h"
#include "print/contents/WorksheetContents.h"
#include "print/page/PrintPage.h"
#include "print/page/WorksheetDocument.h"
#include "print/plan/WorksheetCode.h"
#include "print/plan/WorksheetPlan.h"

#include <QDateTime>

#include <optional>

namespace orbeta::cli {
namespace {

const QString kUsage = QStringLiteral(
    "usage: orbeta-cli worksheet CODE --count N [--name NAME] [--seed S] [--answers] [--data DIR] -o FILE.pdf\n"
    "       orbeta-cli worksheet --again WORKSHEET-CODE [--name NAME] [--answers] [--data DIR] -o FILE.pdf\n"
    "  CODE: a task, 1a-1d, 2a-2e, 3a, 3b, 4a, 4b, 5a-5e or 6a-6c;\n"
    "  N: 1 to 15 examples, or 5, 10, 15, 20 or 25 items of a history task;\n"
    "  S: a whole number from 0 to 18446744073709551615 (default: from the clock);\n"
    "  WORKSHEET-CODE: the code in the footer of a worksheet (\"Kód: 1a-8-4F2KG\")");

struct Options {
    std::optional<QString> code;
    std::optional<QString> count;
    std::optional<QString> name;
    std::optional<QString> seed;
    std::optional<QString> again;
    std::optional<QString> output;
    bool answers = false;
};

// Takes the options out of args; false when one is malformed or repeated.
bool takeOptions(QStringList args, Options& options)
{
    std::optional<QString> shortOutput;
    const std::pair<const char*, std::optional<QString>*> valued[] = {
        {"--count", &options.count}, {"--name", &options.name},     {"--seed", &options.seed},
        {"--again", &options.again}, {"--output", &options.output}, {"-o", &shortOutput},
    };
    for (const auto& [name, value] : valued)
        if (!takeValue(args, QString::fromLatin1(name), *value))
            return false;
    if (options.output && shortOutput)
        return false;
    if (!options.output)
        options.output = shortOutput;
    const qsizetype answers = args.removeAll(QStringLiteral("--answers"));
    options.answers = answers == 1;
    if (answers > 1 || args.size() > 1 || (args.size() == 1 && args.first().startsWith(QLatin1Char('-'))))
        return false;
    if (!args.isEmpty())
        options.code = args.first();
    return true;
}

// The symbol font installed with the program's resources, if it can be found:
// key CD of the Orbeta.ini the program reads. Without it the symbols print in
// the program's sans-serif, which draws the same characters.
QString siglaFontFile()
{
    const QString iniPath = WindowsDirectory::locate() + QStringLiteral("Orbeta.ini");
    const FileResult<QByteArray> bytes = SafeFile::read(iniPath, FileKind::Settings);
    if (!bytes)
        return {};
    const auto cd = IniFile(bytes.value()).directory(QStringLiteral("TRV"), QStringLiteral("CD"));
    return cd ? ResourcePath::resolve(*cd, QStringLiteral("Data\\Sigla.ttf")) : QString();
}

// The name line holds one line: a line break or a tab typed into the name
// is a blank between its words.
QString oneLine(const QString& name)
{
    QString line = name;
    for (QChar& c : line)
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    return line.trimmed();
}

} // namespace

// worksheet CODE --count N [...] -o FILE: a worksheet of the task as a PDF;
// example k of the sheet comes from seed S + k, as with `examples`.
int worksheetCommand(const QStringList& arguments)
{
    QStringList args = arguments;
    const DataDirOption::Option data = DataDirOption::takeOption(args);
    if (data.status != Ok)
        return data.status;
    Options options;
    if (!takeOptions(args, options) || (!options.code && !options.again))
        return fail(BadUsage, kUsage);
    // A sheet that lacks one argument says which, not the whole usage.
    if (!options.output || options.output->isEmpty())
        return fail(BadUsage, QStringLiteral("worksheet potrebuje -o SÚBOR.pdf, súbor, do ktorého sa list zapíše."));

    print::WorksheetCode sheet;
    if (options.again) {
        if (options.code || options.count || options.seed)
            return fail(BadUsage, QStringLiteral("--again sa nezadáva s CODE, --count ani --seed.\n%1").arg(kUsage));
        const std::optional<print::WorksheetCode> parsed = print::WorksheetCode::parse(*options.again);
        if (!parsed)
            return fail(BadUsage, QStringLiteral("%1 nie je kód pracovného listu.").arg(*options.again));
        sheet = *parsed;
    } else {
        if (!options.count) {
            const TaskRow* task = TaskTable::find(*options.code);
            if (!task)
                return fail(BadUsage, QStringLiteral("%1 nie je úloha (%2).").arg(*options.code, TaskTable::codeRanges()));
            return fail(BadUsage, QStringLiteral("worksheet %1 potrebuje --count N: %2.")
                                      .arg(*options.code, print::WorksheetPlan::countsText(*task)));
        }
        sheet.task = *options.code;
        const auto count = ParseWholeNumber(*options.count);
        if (!count || *count > 1000)
            return fail(BadUsage, QStringLiteral("--count potrebuje celé číslo.\n%1").arg(kUsage));
        sheet.count = int(*count);
        if (options.seed) {
            const auto seed = ParseWholeNumber(*options.seed);
            if (!seed)
                return fail(BadUsage, QStringLiteral("--seed potrebuje celé číslo od 0 do 18446744073709551615."));
            sheet.seed = *seed;
        } else {
            ExampleSeeder seeder;
            sheet.seed = print::WorksheetCode::clockSeed(seeder, QDateTime::currentMSecsSinceEpoch());
        }
    }
    const TaskRow* task = TaskTable::find(sheet.task);
    if (!task)
        return fail(BadUsage, QStringLiteral("%1 nie je úloha (%2).\n%3").arg(sheet.task, TaskTable::codeRanges(), kUsage));
    if (!print::WorksheetPlan::countAllowed(*task, sheet.count))
        return fail(BadUsage, QStringLiteral("Pracovný list úlohy %1 má %2.").arg(sheet.task, print::WorksheetPlan::countsText(*task)));

    const DataDirOption::Result dir = DataDirOption::resolve(data.given, DataDirOption::Holding::Tables);
    if (dir.status != Ok)
        return dir.status;
    print::PrintPage::loadFonts(siglaFontFile());

    print::WorksheetRequest request;
    request.task = task;
    request.count = sheet.count;
    request.seed = sheet.seed;
    request.pupilName = oneLine(options.name.value_or(QString()));
    request.date = QDate::currentDate();
    request.answers = options.answers;
    FileResult<std::unique_ptr<print::WorksheetContent>> content = print::WorksheetContents::load(request, dir.dir);
    if (!content)
        return fail(BadFile, content.error().message());
    const QByteArray pdf = print::WorksheetDocument::pdf(request, *content.value());
    if (pdf.isEmpty())
        return fail(BadFile, QStringLiteral("Pracovný list sa nedal rozvrhnúť na strany."));
    const FileOutcome written = SafeFile::write(*options.output, pdf);
    if (!written.ok())
        return fail(BadFile, written.error);
    return Ok;
}

} // namespace orbeta::cli
