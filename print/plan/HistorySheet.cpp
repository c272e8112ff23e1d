// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/plan/HistorySheet.h"

#include "history/items/Derangement.h"
#include "history/items/HistoryRandom.h"

namespace orbeta::print {
namespace {

// The pairs screen already holds its right column in a deranged order.
HistoryGroup pairGroup(const PairScreen& screen)
{
    HistoryGroup group;
    for (int row = 1; row <= screen.rows(); ++row)
        group.rows.push_back({screen.left(row).number, screen.left(row).left, screen.left(row).right});
    for (int row = 1; row <= screen.rows(); ++row)
        for (int own = 0; own < screen.rows(); ++own)
            if (group.rows[std::size_t(own)].number == screen.right(row).number)
                group.rightOrder.push_back(own);
    return group;
}

// The boxes in the screen's order (never the timeline's, which would give
// the pairs away once the dates are sorted), their dates deranged.
HistoryGroup timelineGroup(const TimelineScreen& screen, HistoryRandom& rnd)
{
    HistoryGroup group;
    for (int box = 1; box <= screen.positions(); ++box) {
        QString date;
        for (int p = 1; p <= screen.positions(); ++p)
            if (screen.topNumber(p) == screen.boxNumber(box))
                date = screen.topText(p);
        group.rows.push_back({screen.boxNumber(box), screen.boxText(box), date});
    }
    group.rightOrder = Derangement(int(group.rows.size()), rnd);
    return group;
}

} // namespace

HistorySheet HistorySheet::make(HistoryDeck deck, int count, std::uint64_t seed)
{
    HistorySheet sheet;
    for (int g = 0; g < count / kGroupSize; ++g) {
        HistoryRandom rnd(seed + std::uint64_t(g));
        sheet.m_groups.push_back(deck.code() == HistoryCode::Pairs
                                     ? pairGroup(deck.pairs(kGroupSize, rnd))
                                     : timelineGroup(deck.timeline(kGroupSize, rnd), rnd));
    }
    return sheet;
}

} // namespace orbeta::print
