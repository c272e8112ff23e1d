// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/ranking/RankingFileFormat.h"

#include "formats/Cp1250.h"
#include "formats/LeadingNumber.h"
#include "formats/LineCodec.h"
#include "results/ranking/StoredText.h"

namespace orbeta::results {
namespace {

std::int16_t numberField(const QStringList& fields, qsizetype index)
{
    return index < fields.size() ? RankingRecord::storedNumber(LeadingNumber::parse(fields.at(index))) : 0;
}

} // namespace

QList<RankingRecord> RankingFileFormat::parse(const QByteArray& fileBytes)
{
    QList<RankingRecord> records;
    for (const QString& line : LineCodec::physicalLines(fileBytes)) {
        if (line.isEmpty())
            continue;
        const QStringList fields = line.split(QLatin1Char('|'));
        records.append(RankingRecord{fields.at(0), numberField(fields, 1), numberField(fields, 2),
                                     numberField(fields, 3), false});
    }
    return records;
}

QByteArray RankingFileFormat::serialise(const QList<RankingRecord>& records)
{
    QString text;
    for (const RankingRecord& record : records)
        // Joined, not substituted: a name may hold "%1".
        text += StoredText::clean(record.name) + QLatin1Char('|') + QString::number(record.correct)
                + QLatin1Char('|') + QString::number(record.wrong) + QLatin1Char('|')
                + QString::number(record.mark) + QLatin1Char('|') + QString::number(record.isNew ? 1 : 0)
                + QStringLiteral("\r\n");
    return Cp1250::encodeLossy(text);
}

} // namespace orbeta::results
