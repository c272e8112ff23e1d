// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/plan/HistoryGroup.h"

#include <QStringList>

#include <algorithm>

namespace orbeta::print {

int HistoryGroup::digitOf(int row) const
{
    return int(std::find(rightOrder.begin(), rightOrder.end(), row) - rightOrder.begin()) + 1;
}

QString HistoryGroup::answer() const
{
    QStringList pairs;
    for (int row = 0; row < int(rows.size()); ++row)
        pairs << letter(row) + QString::number(digitOf(row));
    return pairs.join(QStringLiteral(", "));
}

} // namespace orbeta::print
