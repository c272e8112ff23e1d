// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "startup/StartUp.h"

#include "files/DriveType.h"
#include "files/ResourcePath.h"
#include "files/SafeFile.h"
#include "files/WindowsDirectory.h"
#include "formats/MarkTableFile.h"
#include "formats/TextTables.h"
#include "look/basics/PictureNames.h"
#include "look/basics/Typeface.h"
#include "services/Resources.h"
#include "services/Services.h"


#include <cstdio>

namespace orbeta {

namespace {

std::optional<QByteArray> readIni(const QString& windowsDir)
{
    const auto path = ResourcePath::find(windowsDir, QStringLiteral("Orbeta.ini"));
    if (!path)
        return std::nullopt;
    const FileResult<QByteArray> bytes = SafeFile::read(*path, FileKind::Settings);
    if (!bytes) {
        std::fprintf(stderr, "orbeta: %s\n", qPrintable(bytes.error().message()));
        return std::nullopt;
    }
    return bytes.value();
}

// `detail` names the file and what is wrong with it, when that is known.
StartUpResult fail(Services& services, StartUpResult result, StartUpFailure failure,
                   const QString& detail = QString())
{
    result.failure = failure;
    QString text = StartUpCheck::messageText(failure);
    if (!detail.isEmpty())
        text += QStringLiteral("\r\n\r\n") + detail;
    services.showMessage(StartUpCheck::messageTitle(), text, MessageIcon::Critical);
    return result;
}

} // namespace

StartUpResult StartUp(Services& services, const DataTablesCheck& checkTables)
{
    StartUpResult result;
    Installation installation;
    installation.windowsDir = WindowsDirectory::locate();
    const QString iniPath = ResourcePath::resolve(installation.windowsDir, QStringLiteral("Orbeta.ini"));
    const auto checked = StartUpCheck::check(readIni(installation.windowsDir), &ResourcePath::exists, iniPath);
    installation.resourceDir = checked.resourceDir;
    installation.dataDir = checked.tableDir;
    installation.resultsDir = checked.dataDir;
    Resources& resources = services.resources();
    resources = Resources(installation);
    if (!installation.resourceDir.isEmpty())
        result.driveCaption = DriveType::caption(DriveType::of(installation.resourceDir));
    if (checked.failure != StartUpFailure::None)
        return fail(services, result, checked.failure, checked.details.join(QStringLiteral("\r\n")));

    resources.loadCursors();
    services.keyboard().save();

    // The files were there a moment ago: one that cannot be read, or holds
    // what the tasks cannot use, is named with its path and its line.
    const auto marks = resources.readDataFile(QLatin1String(MarkTableFile::fileName));
    const auto assignments = resources.readDataFile(QStringLiteral("Zadani.dat"));
    const auto hints = resources.readDataFile(QStringLiteral("Napoveda.dat"));
    QStringList reasons;
    for (const auto* file : {&marks, &assignments, &hints}) {
        if (!*file)
            reasons.append(file->error().message());
    }
    if (!reasons.isEmpty())
        return fail(services, result, StartUpFailure::DataFileUnusable, reasons.join(QStringLiteral("\r\n")));
    const FileResult<MarkTable> markTable =
        MarkTableFile::parseComplete(marks.value(), resources.dataPath(QLatin1String(MarkTableFile::fileName)));
    if (!markTable)
        return fail(services, result, StartUpFailure::DataFileUnusable, markTable.error().message());
    const TextTable assignmentTexts = TextTables::readAssignmentTexts(assignments.value());
    const TextTable hintTexts = TextTables::readHintTexts(hints.value());
    for (const auto& texts :
         {TextTables::firstMissing(assignmentTexts, TextTables::kAssignmentLinesUsed,
                                   resources.dataPath(QStringLiteral("Zadani.dat"))),
          TextTables::firstMissing(hintTexts, TextTables::kHintLinesUsed,
                                   resources.dataPath(QStringLiteral("Napoveda.dat")))})
        if (texts)
            return fail(services, result, StartUpFailure::DataFileUnusable, texts->message());
    if (checkTables)
        if (const std::optional<FileError> table = checkTables(installation.dataDir, installation.resourceDir))
            return fail(services, result, StartUpFailure::DataFileUnusable, table->message());
    // Texts are drawn in DejaVu Sans, loaded from its files; without them they
    // would be drawn in whatever fontconfig picks. (The symbol font is
    // registered after the first screen, see FrmSelect.)
    const QStringList fonts = Typeface::loadFonts();
    if (!fonts.isEmpty())
        return fail(services, result, StartUpFailure::FontsMissing,
                    QStringLiteral("Písmo sa nedá načítať: %1").arg(fonts.join(QStringLiteral(", "))));
    resources.setTables({markTable.value(), assignmentTexts, hintTexts});
    return result;
}

} // namespace orbeta
