#include "results/Ranking.h"

#include "results/StoredText.h"
#include "shell/LeadingNumber.h"

#include <algorithm>

namespace orbeta::results {

Ranking::Ranking(QList<RankingRecord> records)
    : records_(std::move(records))
{
    for (RankingRecord& record : records_)
        record.isNew = false;
}

qsizetype Ranking::insert(const QString& name, int correct, int wrong, const QString& mark, bool isNew)
{
    for (RankingRecord& record : records_)
        record.isNew = false;
    // Marked new while sorting, so that it can be found afterwards.
    records_.append(RankingRecord{StoredText::clean(name), RankingRecord::storedNumber(correct),
                                  RankingRecord::storedNumber(wrong),
                                  RankingRecord::storedNumber(LeadingNumber::parse(mark)), true});
    sort();
    const qsizetype index = *newRecordIndex();
    records_[index].isNew = isNew;
    return index;
}

void Ranking::sort()
{
    // A stable sort by this strict weak order gives exactly what the bubble
    // sort of adjacent swaps would, in n log n instead of n² for a file that
    // grows with every series.
    std::stable_sort(records_.begin(), records_.end(),
                     [](const RankingRecord& a, const RankingRecord& b) { return b.ranksAfter(a); });
}

std::optional<qsizetype> Ranking::newRecordIndex() const
{
    const auto it = std::find_if(records_.cbegin(), records_.cend(),
                                 [](const RankingRecord& record) { return record.isNew; });
    if (it == records_.cend())
        return std::nullopt;
    return it - records_.cbegin();
}

QList<RankingTableRow> Ranking::tableRows() const
{
    QList<RankingTableRow> rows;
    for (int i = 0; i < shownRows; ++i) {
        RankingTableRow row;
        row.position = QStringLiteral("%1.").arg(i + 1);
        if (i < records_.size()) {
            const RankingRecord& record = records_.at(i);
            row.name = record.name;
            row.correct = QString::number(record.correct);
            row.wrong = QString::number(record.wrong);
            row.mark = record.hasMark() ? QString::number(record.mark) : QString();
            row.isNew = record.isNew;
        }
        rows.append(row);
    }
    return rows;
}

} // namespace orbeta::results
