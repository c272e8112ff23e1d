// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/TextTables.h"

#include "formats/LineCodec.h"

#include <QStringList>

namespace orbeta {

TextTable TextTables::readAssignmentTexts(const QByteArray& fileBytes)
{
    TextTable table;
    const QStringList lines = LineCodec::decodedLines(fileBytes);
    for (qsizetype i = 0; i < lines.size() && i < kMaxLines; ++i) {
        const QStringList fields = LineCodec::splitFields(lines.at(i));
        if (fields.size() >= 2)
            table.at(i + 1) = fields.at(1);
    }
    return table;
}

TextTable TextTables::readHintTexts(const QByteArray& fileBytes)
{
    TextTable table;
    const QStringList lines = LineCodec::decodedLines(fileBytes);
    for (qsizetype i = 0; i < lines.size() && i < kMaxLines; ++i)
        table.at(i + 1) = lines.at(i);
    return table;
}

std::optional<FileError> TextTables::firstMissing(const TextTable& table, int used, const QString& filePath)
{
    for (int line = 1; line <= used && line <= kMaxLines; ++line)
        if (table.at(std::size_t(line)).trimmed().isEmpty())
            return FileError{filePath, line,
                             QStringLiteral("chýba text; úlohy používajú riadky 1 až %1.").arg(used)};
    return std::nullopt;
}

} // namespace orbeta
