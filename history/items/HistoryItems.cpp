// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/items/HistoryItems.h"

namespace orbeta {

QString PersonItem::lifeSpan() const
{
    if (death == 0)
        return QString::number(birth) + QStringLiteral(" - súč.");
    return QString::number(birth) + QStringLiteral(" - ") + QString::number(death);
}

} // namespace orbeta
