#include "cli/DataDirOption.h"

#include "cli/Commands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace orbeta::cli {
namespace {

DataDirOption::Result fail(int status, const QString& message)
{
    QTextStream(stderr) << "orbeta-cli: " << message << '\n';
    return {QString(), status};
}

QStringList iniCandidates()
{
    const QString windir = qEnvironmentVariable("ORBETA_WINDIR");
    if (!windir.isEmpty())
        return {QDir(windir).filePath(QStringLiteral("Orbeta.ini"))};
    const QDir bin(QCoreApplication::applicationDirPath());
    return {bin.filePath(QStringLiteral("Orbeta.ini")),
            QDir::cleanPath(bin.filePath(QStringLiteral(ORBETA_WINDIR_FROM_BINDIR "/Orbeta.ini")))};
}

DataDirOption::Result existingDir(const QString& path, const QString& origin)
{
    if (!QFileInfo(path).isDir())
        return fail(BadFile, QStringLiteral("data directory %1 (%2) does not exist").arg(path, origin));
    return {QDir::cleanPath(path), Ok};
}

DataDirOption::Result installedDataDir()
{
    const QStringList candidates = iniCandidates();
    for (const QString& iniPath : candidates) {
        QFile ini(iniPath);
        if (!ini.exists())
            continue;
        if (!ini.open(QIODevice::ReadOnly))
            return fail(BadFile, QStringLiteral("cannot read %1: %2").arg(iniPath, ini.errorString()));
        const auto hd = DataDirOption::hdFromIni(ini.readAll());
        if (!hd)
            return fail(BadFile, QStringLiteral("%1 names no data directory (key HD of section TRV)").arg(iniPath));
        // The INI file may name the directory the Windows way, with "\"; a
        // relative directory is taken relative to the INI file.
        QString hdPath = *hd;
        hdPath.replace(QLatin1Char('\\'), QLatin1Char('/'));
        const QString dir = QFileInfo(iniPath).dir().filePath(hdPath);
        return existingDir(dir, QStringLiteral("HD in %1").arg(iniPath));
    }
    return fail(BadFile, QStringLiteral("cannot find Orbeta.ini (looked for %1); give the data directory with --data DIR")
                             .arg(candidates.join(QStringLiteral(", "))));
}

} // namespace

DataDirOption::Result DataDirOption::take(QStringList& args)
{
    const Option option = takeOption(args);
    if (option.status != Ok)
        return {QString(), option.status};
    return resolve(option.given);
}

DataDirOption::Option DataDirOption::takeOption(QStringList& args)
{
    const auto usage = [](const QString& message) { return Option{std::nullopt, fail(BadUsage, message).status}; };
    std::optional<QString> given;
    for (qsizetype i = 0; i < args.size();) {
        const QString& arg = args.at(i);
        std::optional<QString> value;
        if (arg == QLatin1String("--data")) {
            if (i + 1 >= args.size())
                return usage(QStringLiteral("--data needs a directory"));
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
            return usage(QStringLiteral("--data is given twice"));
        if (value->isEmpty())
            return usage(QStringLiteral("--data needs a directory"));
        given = value;
    }
    return {given, Ok};
}

DataDirOption::Result DataDirOption::resolve(const std::optional<QString>& given)
{
    return given ? existingDir(*given, QStringLiteral("given with --data")) : installedDataDir();
}

std::optional<QString> DataDirOption::hdFromIni(const QByteArray& iniBytes)
{
    const QString text = QString::fromUtf8(iniBytes);
    bool inTrv = false;
    for (QString line : text.split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            const qsizetype end = line.indexOf(QLatin1Char(']'));
            inTrv = end > 0 && line.mid(1, end - 1).trimmed().compare(QLatin1String("TRV"), Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!inTrv || equals < 0
            || line.left(equals).trimmed().compare(QLatin1String("HD"), Qt::CaseInsensitive) != 0)
            continue;
        QString value = line.mid(equals + 1).trimmed();
        if (value.size() >= 2 && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\''))
            && value.back() == value.front())
            value = value.mid(1, value.size() - 2);
        if (value.isEmpty())
            return std::nullopt;
        return value;
    }
    return std::nullopt;
}

} // namespace orbeta::cli
