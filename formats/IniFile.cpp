// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/IniFile.h"

#include <QStringList>

namespace orbeta {

IniFile::IniFile(const QByteArray& fileBytes)
    : m_text(QString::fromUtf8(fileBytes))
{
}

std::optional<QString> IniFile::value(const QString& section, const QString& key) const
{
    bool inSection = false;
    bool sectionSeen = false;
    const QStringList lines = m_text.split(QLatin1Char('\n'));
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            const qsizetype close = line.indexOf(QLatin1Char(']'));
            const QString name = line.mid(1, close < 0 ? -1 : close - 1).trimmed();
            // Only the first section of a name counts.
            if (inSection)
                return std::nullopt;
            inSection = !sectionSeen && name.compare(section, Qt::CaseInsensitive) == 0;
            sectionSeen = sectionSeen || inSection;
            continue;
        }
        if (!inSection)
            continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq < 0 || line.left(eq).trimmed().compare(key, Qt::CaseInsensitive) != 0)
            continue;
        QString value = line.mid(eq + 1).trimmed();
        if (value.size() >= 2 && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\''))
            && value.back() == value.front())
            value = value.mid(1, value.size() - 2);
        if (value.isEmpty())
            return std::nullopt;
        return value;
    }
    return std::nullopt;
}

QString IniFile::value(const QString& section, const QString& key, const QString& fallback) const
{
    return value(section, key).value_or(fallback);
}

std::optional<QString> IniFile::directory(const QString& section, const QString& key) const
{
    const auto found = value(section, key);
    if (!found)
        return std::nullopt;
    return withTrailingSeparator(*found);
}

QString withTrailingSeparator(const QString& path)
{
    if (path.endsWith(QLatin1Char('/')) || path.endsWith(QLatin1Char('\\')))
        return path;
    return path + QLatin1Char('/');
}

} // namespace orbeta
