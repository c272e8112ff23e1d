// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/ResourcePath.h"

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

// `part` inside `dir` in any case, the exact spelling first; on Linux two
// entries may differ only in case, so each one is tried in turn.
std::optional<QString> findFrom(const QString& dir, const QStringList& parts, qsizetype index)
{
    const QString& part = parts.at(index);
    const auto tryEntry = [&](const QString& entry) -> std::optional<QString> {
        const QString path = dir + entry;
        if (index + 1 == parts.size())
            return path;
        if (!QFileInfo(path).isDir())
            return std::nullopt;
        return findFrom(path + QLatin1Char('/'), parts, index + 1);
    };
    if (QFileInfo::exists(dir + part))
        if (auto found = tryEntry(part))
            return found;
    const QStringList entries =
        QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries)
        if (entry != part && entry.compare(part, Qt::CaseInsensitive) == 0)
            if (auto found = tryEntry(entry))
                return found;
    return std::nullopt;
}

} // namespace

std::optional<QString> ResourcePath::find(const QString& dir, const QString& name)
{
    const QString root = nativeDir(dir);
    if (root.isEmpty() || !QFileInfo(root).isDir())
        return std::nullopt;
    const QStringList parts = components(name);
    if (parts.isEmpty())
        return std::nullopt;
    return findFrom(root, parts, 0);
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
