// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/RankingCellAccessible.h"

#include "results/RankingTableAccessible.h"

#include <QWidget>

namespace orbeta {

RankingCellAccessible::RankingCellAccessible(QWidget* label, int row, int column)
    : QAccessibleWidget(label, QAccessible::Cell)
    , m_row(row)
    , m_column(column)
{
}

void* RankingCellAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableCellInterface)
        return static_cast<QAccessibleTableCellInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QList<QAccessibleInterface*> RankingCellAccessible::columnHeaderCells() const
{
    QWidget* header = RankingTableAccessible::part(widget()->parentWidget(), -1, m_column);
    if (!header)
        return {};
    return {QAccessible::queryAccessibleInterface(header)};
}

QAccessibleInterface* RankingCellAccessible::table() const
{
    return QAccessible::queryAccessibleInterface(widget()->parentWidget());
}

} // namespace orbeta
