#include "results/RankingFileFormat.h"

#include "results/StoredText.h"
#include "shell/Cp1250.h"
#include "shell/LeadingNumber.h"
#include "shell/LineCodec.h"

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
        // One substitution pass, so that a "%2" typed in a name stays text.
        text += QStringLiteral("%1|%2|%3|%4|%5\r\n")
                    .arg(StoredText::clean(record.name), QString::number(record.correct),
                         QString::number(record.wrong), QString::number(record.mark),
                         QString::number(record.isNew ? 1 : 0));
    return Cp1250::encodeLossy(text);
}

} // namespace orbeta::results
