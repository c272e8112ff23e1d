// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/StartUpCheck.h"

#include "shell/IniFile.h"
#include "tasks/TaskTable.h"

#include <algorithm>

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

StartUpCheck::Result StartUpCheck::check(const std::optional<QByteArray>& iniBytes, const FileExists& exists)
{
    Result result;
    const IniFile ini(iniBytes.value_or(QByteArray()));
    const auto resourceDir = ini.directory(QStringLiteral("TRV"), QStringLiteral("CD"));
    if (!iniBytes || !resourceDir) {
        result.failure = StartUpFailure::ConfigurationMissing;
        return result;
    }
    result.resourceDir = *resourceDir;
    const auto dataDir = ini.directory(QStringLiteral("TRV"), QStringLiteral("HD"));
    if (!dataDir) {
        result.failure = StartUpFailure::ConfigurationMissing;
        return result;
    }
    result.dataDir = *dataDir;
    result.tableDir = ini.directory(QStringLiteral("TRV"), QStringLiteral("TAB")).value_or(result.dataDir);
    const auto allIn = [&exists](const QString& dir, const QStringList& names) {
        return std::all_of(names.begin(), names.end(), [&](const QString& name) { return exists(dir, name); });
    };
    if (!allIn(result.tableDir, requiredTableFiles()) || !allIn(result.dataDir, requiredDataFiles()))
        result.failure = StartUpFailure::DataFilesMissing;
    else if (!allIn(result.resourceDir, requiredResourceFiles()))
        result.failure = StartUpFailure::ResourceFilesMissing;
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
    }
    return {};
}

QString StartUpCheck::messageTitle()
{
    return QStringLiteral("Chyba");
}

} // namespace orbeta
