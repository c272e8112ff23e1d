// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/MarkTableFile.h"

#include "formats/LeadingNumber.h"
#include "formats/LineCodec.h"

#include <cmath>
#include <optional>

namespace orbeta {
namespace {

constexpr int fieldCount = 3;

// A byte field is stored the way a number is assigned to a byte: rounded
// half to even; out of range is an error.
std::optional<std::uint8_t> byteOf(QStringView field)
{
    const double value = std::nearbyint(LeadingNumber::parse(field));
    if (!(value >= 0.0 && value <= 255.0))
        return std::nullopt;
    return static_cast<std::uint8_t>(value);
}

} // namespace

FileResult<MarkTable> MarkTableFile::parse(const QByteArray& fileBytes, const QString& filePath)
{
    static const char* const columnNames[fieldCount] = {"dolná hranica", "horná hranica", "známka"};
    const QStringList lines = LineCodec::physicalLines(fileBytes);
    MarkTable table{};
    for (qsizetype row = 0; row < qsizetype(table.size()) && row < lines.size(); ++row) {
        const QStringList fields = lines.at(row).split(QLatin1Char('|'));
        std::uint8_t values[fieldCount] = {0, 0, 0};
        for (int column = 0; column < fieldCount && column < fields.size(); ++column) {
            const auto value = byteOf(fields.at(column));
            if (!value)
                return FileError{filePath, int(row + 1),
                                 QStringLiteral("%1 „%2“ je mimo rozsahu 0 až 255.")
                                     .arg(QString::fromUtf8(columnNames[column]), fields.at(column).left(20))};
            values[column] = *value;
        }
        table[std::size_t(row)] = MarkRow{values[0], values[1], values[2]};
    }
    return table;
}

FileResult<MarkTable> MarkTableFile::parseComplete(const QByteArray& fileBytes, const QString& filePath)
{
    FileResult<MarkTable> table = parse(fileBytes, filePath);
    if (!table)
        return table;
    for (int percent = 0; percent <= 100; ++percent) {
        std::uint8_t mark = 0;
        for (const MarkRow& row : table.value())
            if (row.mark != 0 && row.lower <= percent && percent <= row.upper)
                mark = row.mark;
        if (mark == 0)
            return FileError{filePath, 0, QStringLiteral("%1 % nedostane žiadnu známku.").arg(percent)};
    }
    return table;
}

} // namespace orbeta
