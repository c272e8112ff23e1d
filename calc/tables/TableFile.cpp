// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/tables/TableFile.h"

#include "formats/LineCodec.h"
#include "formats/SlovakCount.h"

#include <QRegularExpression>

namespace orbeta {

std::optional<double> ParseTableNumber(const QString& text)
{
    static const QRegularExpression kNumber(QStringLiteral(R"(^\s*([+-]?\d+(?:,\d+)?)\s*$)"));
    const QRegularExpressionMatch match = kNumber.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    QString number = match.captured(1);
    number.replace(QLatin1Char(','), QLatin1Char('.'));
    return number.toDouble();
}

FileResult<CalcTable> ReadTableFile(const QByteArray& fileBytes, const QString& fileName,
                                    TableNeeds needs)
{
    const QStringList lines = LineCodec::decodedLines(fileBytes);
    if (lines.size() > kMaxCalcTableRows)
        return FileError{fileName, kMaxCalcTableRows + 1,
                         QStringLiteral("tabuľka má najviac %1.").arg(SlovakCount::of(kMaxCalcTableRows, u"riadok", u"riadky", u"riadkov"))};
    if (needs.rows > 0 && lines.size() < needs.rows + 1)
        return FileError{fileName, int(lines.size()) + 1,
                         QStringLiteral("chýba riadok; tabuľka potrebuje nadpisy a %1.")
                             .arg(SlovakCount::of(needs.rows, u"riadok", u"riadky", u"riadkov"))};

    CalcTable table;
    table.reserve(lines.size());
    for (const QString& line : lines) {
        const QStringList fields = LineCodec::splitFields(line);
        table.push_back({fields.value(0), fields.value(1), fields.value(2)});
    }
    if (needs.numbers)
        for (int row = 1; row <= needs.rows; ++row)
            if (row != needs.headingRow && !ParseTableNumber(table[row].secondValue))
                return FileError{fileName, row + 1,
                                 QStringLiteral("„%1“ nie je číslo.").arg(table[row].secondValue)};
    return table;
}

} // namespace orbeta
