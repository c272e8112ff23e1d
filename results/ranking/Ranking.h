// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "results/ranking/RankingRecord.h"
#include "results/ranking/RankingTableRow.h"

#include <QList>

#include <optional>

namespace orbeta::results {

// The ranking of one task: every finished series, best first as the file
// keeps it.
class Ranking {
public:
    static constexpr int shownRows = 10;

    Ranking() = default;
    // Records in file order; the IsNew marks of a file are not used.
    explicit Ranking(QList<RankingRecord> records);

    const QList<RankingRecord>& records() const { return m_records; }

    // The insertion of `Vloz_novy_zaznam`: every older record loses its IsNew
    // mark, the new record (with IsNew as given) is appended and the list is
    // sorted stably, so that the new record stays below older records that
    // tie with it completely. The mark text is read with the leading-number
    // conversion (an empty mark gives 0, no mark). Returns the new record's
    // index, 0-based.
    qsizetype insert(const QString& name, int correct, int wrong, const QString& mark, bool isNew = true);

    // Stable sort, best first (the order of RankingRecord::ranksAfter).
    void sort();

    // Where the record of the latest series stands, if this ranking has one.
    std::optional<qsizetype> newRecordIndex() const;

    // The ten rows of the results table: the first ten records, the new one
    // flagged; rows without a record keep only their position label.
    QList<RankingTableRow> tableRows() const;

private:
    QList<RankingRecord> m_records;
};

} // namespace orbeta::results
