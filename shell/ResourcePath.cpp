#include "shell/ResourcePath.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

namespace orbeta {

namespace {

QStringList components(const QString& name)
{
    static const QRegularExpression separators(QStringLiteral("[\\\\/]+"));
    return name.split(separators, Qt::SkipEmptyParts);
}

QString nativeDir(const QString& dir)
{
    QString native = dir;
    native.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!native.isEmpty() && !native.endsWith(QLatin1Char('/')))
        native.append(QLatin1Char('/'));
    return native;
}

} // namespace

std::optional<QString> ResourcePath::find(const QString& dir, const QString& name)
{
    QString path = nativeDir(dir);
    if (path.isEmpty() || !QFileInfo::exists(path))
        return std::nullopt;
    const QStringList parts = components(name);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& part = parts.at(i);
        QString next = path + part;
        if (!QFileInfo::exists(next)) {
            const QStringList entries = QDir(path).entryList(
                QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
            const auto match = std::find_if(entries.begin(), entries.end(), [&part](const QString& entry) {
                return entry.compare(part, Qt::CaseInsensitive) == 0;
            });
            if (match == entries.end())
                return std::nullopt;
            next = path + *match;
        }
        path = i + 1 < parts.size() ? next + QLatin1Char('/') : next;
    }
    return path;
}

QString ResourcePath::resolve(const QString& dir, const QString& name)
{
    if (auto found = find(dir, name))
        return *found;
    return nativeDir(dir) + components(name).join(QLatin1Char('/'));
}

bool ResourcePath::exists(const QString& dir, const QString& name)
{
    const auto found = find(dir, name);
    return found && QFileInfo(*found).isFile();
}

} // namespace orbeta
