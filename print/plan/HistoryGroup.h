// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <vector>

namespace orbeta::print {

// One printed group of a history worksheet: the rows lettered A, B, … with
// the half that belongs to each, and the numbered right column in an order
// where no half stands opposite its own row.
struct HistoryGroup {
    struct Row {
        int number = 0; // the item's line in the data file
        QString left;   // fact, person or discovery
        QString right;  // its other half, life span or year
    };

    std::vector<Row> rows;
    // Right position p (from 0) shows rows[rightOrder[p]].right.
    std::vector<int> rightOrder;

    static QString letter(int row) { return QString(QChar(u'A' + row)); }
    QString rightText(int position) const { return rows[std::size_t(rightOrder[std::size_t(position)])].right; }
    // The number (from 1) under which the row's own half is printed.
    int digitOf(int row) const;
    // "A3, B1, C5, D2, E4": the right pairs of the group.
    QString answer() const;
};

} // namespace orbeta::print
