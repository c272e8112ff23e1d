// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/DataDirOption.h"

#include "cli/Commands.h"
#include "files/SafeFile.h"
#include "files/WindowsDirectory.h"
#include "formats/IniFile.h"

#include <QDir>
#include <QFileInfo>

namespace orbeta::cli {
namespace {

DataDirOption::Result failed(int status, const QString& message)
{
    return {QString(), fail(status, message)};
}

DataDirOption::Result existingDir(const QString& path, const QString& origin)
{
    if (!QFileInfo(path).isDir())
        return failed(BadFile, QStringLiteral("priečinok s dátami %1 (%2) neexistuje.").arg(path, origin));
    return {QDir::cleanPath(path), Ok};
}

DataDirOption::Result installedDataDir(DataDirOption::Holding holding)
{
    const QString iniPath = WindowsDirectory::locate() + QStringLiteral("Orbeta.ini");
    if (SafeFile::isAbsent(iniPath))
        return failed(BadFile, QStringLiteral("súbor %1 sa nenašiel; priečinok s dátami zadajte cez --data PRIEČINOK.").arg(iniPath));
    const FileResult<QByteArray> bytes = SafeFile::read(iniPath, FileKind::Settings);
    if (!bytes)
        return failed(BadFile, bytes.error().message());
    const IniFile ini(bytes.value());
    if (holding == DataDirOption::Holding::Tables) {
        if (const auto tab = ini.directory(QStringLiteral("TRV"), QStringLiteral("TAB")))
            return existingDir(*tab, QStringLiteral("TAB v %1").arg(iniPath));
    }
    const auto hd = ini.directory(QStringLiteral("TRV"), QStringLiteral("HD"));
    if (!hd)
        return failed(BadFile, QStringLiteral("súbor %1 neuvádza priečinok s dátami (kľúč HD v sekcii TRV).").arg(iniPath));
    return existingDir(*hd, QStringLiteral("HD v %1").arg(iniPath));
}

} // namespace

DataDirOption::Result DataDirOption::take(QStringList& args, Holding holding)
{
    const Option option = takeOption(args);
    if (option.status != Ok)
        return {QString(), option.status};
    return resolve(option.given, holding);
}

DataDirOption::Option DataDirOption::takeOption(QStringList& args)
{
    const auto usage = [](const QString& message) { return Option{std::nullopt, fail(BadUsage, message)}; };
    std::optional<QString> given;
    for (qsizetype i = 0; i < args.size();) {
        const QString& arg = args.at(i);
        std::optional<QString> value;
        if (arg == QLatin1String("--data")) {
            if (i + 1 >= args.size())
                return usage(QStringLiteral("--data potrebuje priečinok."));
            value = args.at(i + 1);
            args.remove(i, 2);
        } else if (arg.startsWith(QLatin1String("--data="))) {
            value = arg.mid(7);
            args.remove(i);
        } else {
            ++i;
            continue;
        }
        if (given)
            return usage(QStringLiteral("--data je zadané dvakrát."));
        if (value->isEmpty())
            return usage(QStringLiteral("--data potrebuje priečinok."));
        given = value;
    }
    return {given, Ok};
}

DataDirOption::Result DataDirOption::resolve(const std::optional<QString>& given, Holding holding)
{
    return given ? existingDir(*given, QStringLiteral("zadaný cez --data")) : installedDataDir(holding);
}

} // namespace orbeta::cli
