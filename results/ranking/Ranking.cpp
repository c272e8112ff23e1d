// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/ranking/Ranking.h"

#include "formats/LeadingNumber.h"
#include "results/ranking/StoredText.h"

#include <algorithm>

namespace orbeta::results {

Ranking::Ranking(QList<RankingRecord> records)
    : m_records(std::move(records))
{
    for (RankingRecord& record : m_records)
        record.isNew = false;
}

qsizetype Ranking::insert(const QString& name, int correct, int wrong, const QString& mark, bool isNew)
{
    for (RankingRecord& record : m_records)
        record.isNew = false;
    // Marked new while sorting, so that it can be found afterwards.
    m_records.append(RankingRecord{StoredText::clean(name), RankingRecord::storedNumber(correct),
                                  RankingRecord::storedNumber(wrong),
                                  RankingRecord::storedNumber(LeadingNumber::parse(mark)), true});
    sort();
    const qsizetype index = *newRecordIndex();
    m_records[index].isNew = isNew;
    return index;
}

void Ranking::sort()
{
    // A stable sort by this strict weak order gives exactly what the bubble
    // sort of adjacent swaps would, in n log n instead of n² for a file that
    // grows with every series.
    std::stable_sort(m_records.begin(), m_records.end(),
                     [](const RankingRecord& a, const RankingRecord& b) { return b.ranksAfter(a); });
}

std::optional<qsizetype> Ranking::newRecordIndex() const
{
    const auto it = std::find_if(m_records.cbegin(), m_records.cend(),
                                 [](const RankingRecord& record) { return record.isNew; });
    if (it == m_records.cend())
        return std::nullopt;
    return it - m_records.cbegin();
}

QList<RankingTableRow> Ranking::tableRows() const
{
    QList<RankingTableRow> rows;
    for (int i = 0; i < shownRows; ++i) {
        RankingTableRow row;
        row.position = QStringLiteral("%1.").arg(i + 1);
        if (i < m_records.size()) {
            const RankingRecord& record = m_records.at(i);
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
