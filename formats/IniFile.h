// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace orbeta {

// Reads values the way the private-profile reader of the original platform
// does: section and key names match case-insensitively, lines starting with
// ";" are comments, names and values are trimmed, a value in matching quotes
// loses them, and the first occurrence of a section or key wins.
class IniFile {
public:
    explicit IniFile(const QByteArray& fileBytes);

    // Empty when the section or key is missing or the value is empty.
    std::optional<QString> value(const QString& section, const QString& key) const;
    QString value(const QString& section, const QString& key, const QString& fallback) const;

    // A directory named by the file, with the separator appended when it
    // lacks one; empty when the key is missing or has an empty value.
    std::optional<QString> directory(const QString& section, const QString& key) const;

private:
    QString m_text;
};

// Appends "/" unless the path already ends in "/" or "\".
QString withTrailingSeparator(const QString& path);

} // namespace orbeta
