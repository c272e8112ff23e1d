// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "startup/StartUpCheck.h"

#include "formats/IniFile.h"
#include "tasks/TaskTable.h"


namespace orbeta {

const QStringList& StartUpCheck::requiredTableFiles()
{
    static const QStringList files =
        QStringList{QStringLiteral("Napoveda.dat"), QStringLiteral("Zadani.dat"), QStringLiteral("Znamky.dat")}
        + TaskTable::tableFiles();
    return files;
}

const QStringList& StartUpCheck::requiredDataFiles()
{
    static const QStringList files{QStringLiteral("Vysledky.dat")};
    return files;
}

const QStringList& StartUpCheck::requiredResourceFiles()
{
    static const QStringList files{
        QStringLiteral("Bitmap\\Games\\bg_1.bmp"),
        QStringLiteral("Bitmap\\Tab\\bckg.bmp"),
        QStringLiteral("Data\\Sigla.ttf"),
    };
    return files;
}

StartUpCheck::Result StartUpCheck::check(const std::optional<QByteArray>& iniBytes, const FileExists& exists,
                                         const QString& iniPath)
{
    Result result;
    const auto noKey = [&](const char* key) {
        result.failure = StartUpFailure::ConfigurationMissing;
        result.details = QStringList{QStringLiteral("Súbor %1: chýba kľúč %2 v sekcii [TRV] alebo je prázdny.")
                                         .arg(iniPath, QLatin1String(key))};
        return result;
    };
    if (!iniBytes) {
        result.failure = StartUpFailure::ConfigurationMissing;
        result.details = QStringList{iniPath};
        return result;
    }
    const IniFile ini(*iniBytes);
    const auto resourceDir = ini.directory(QStringLiteral("TRV"), QStringLiteral("CD"));
    if (!resourceDir)
        return noKey("CD");
    result.resourceDir = *resourceDir;
    const auto dataDir = ini.directory(QStringLiteral("TRV"), QStringLiteral("HD"));
    if (!dataDir)
        return noKey("HD");
    result.dataDir = *dataDir;
    result.tableDir = ini.directory(QStringLiteral("TRV"), QStringLiteral("TAB")).value_or(result.dataDir);
    // Each missing file by its path, with "/" for "\\" as the lookup reads names.
    const auto missingIn = [&exists](const QString& dir, const QStringList& names) {
        QStringList missing;
        for (const QString& name : names)
            if (!exists(dir, name))
                missing.append(QString(dir + name).replace(QLatin1Char('\\'), QLatin1Char('/')));
        return missing;
    };
    if (const QStringList missing = missingIn(result.dataDir, requiredDataFiles()) + missingIn(result.tableDir, requiredTableFiles());
        !missing.isEmpty()) {
        result.failure = StartUpFailure::DataFilesMissing;
        result.details = missing;
    } else if (const QStringList absent = missingIn(result.resourceDir, requiredResourceFiles()); !absent.isEmpty()) {
        result.failure = StartUpFailure::ResourceFilesMissing;
        result.details = absent;
    }
    return result;
}

QString StartUpCheck::messageText(StartUpFailure failure)
{
    switch (failure) {
    case StartUpFailure::None:
        return {};
    case StartUpFailure::ConfigurationMissing:
        return QStringLiteral("Nemožno nájsť súbor Orbeta.INI. Nainštalujte aplikáciu znovu.");
    case StartUpFailure::DataFilesMissing:
        return QStringLiteral("Nemožno nájsť súbory so zdrojmi dát. Nainštalujte aplikáciu znovu.");
    case StartUpFailure::ResourceFilesMissing:
        return QStringLiteral("Nemožno korektne čítať z CD-ROM Orbetá.\r\nSkontrolujte, či je CD-ROM v CD mechanike.");
    case StartUpFailure::FontsMissing:
        return QStringLiteral("Nemožno načítať písmo programu. Nainštalujte aplikáciu znovu.");
    case StartUpFailure::DataFileUnusable:
        return QStringLiteral("Súbor so zdrojmi dát sa nedá použiť. Opravte ho alebo nainštalujte aplikáciu znovu.");
    }
    return {};
}

QString StartUpCheck::messageTitle()
{
    return QStringLiteral("Chyba");
}

} // namespace orbeta
