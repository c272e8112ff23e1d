// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A ranking file ("1a.res"): read, sorted and written back.
#include "fuzz/FuzzCheck.h"

#include "results/ranking/Ranking.h"
#include "results/ranking/RankingFileFormat.h"

namespace {

bool same(const QList<orbeta::results::RankingRecord>& a, const QList<orbeta::results::RankingRecord>& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i].name != b[i].name || a[i].correct != b[i].correct || a[i].wrong != b[i].wrong || a[i].mark != b[i].mark
            || a[i].isNew != b[i].isNew)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orbeta::results;
    Ranking ranking(RankingFileFormat::parse(orbeta::fuzz::bytesOf(data, size)));
    ranking.sort();
    ranking.insert(QStringLiteral("Nový|žiak\r\n"), 3, 2, QStringLiteral("2"));
    ranking.tableRows();
    // What the program writes it must read back as written: no name may add
    // a field or a line.
    const QList<RankingRecord> written = RankingFileFormat::parse(RankingFileFormat::serialise(ranking.records()));
    orbeta::fuzz::require(written.size() == ranking.records().size(), "every record written is read back");
    orbeta::fuzz::require(same(RankingFileFormat::parse(RankingFileFormat::serialise(written)), written),
                          "a written ranking reads back unchanged");
    return 0;
}
