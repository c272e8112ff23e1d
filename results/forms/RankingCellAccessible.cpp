// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/forms/RankingCellAccessible.h"

#include <QWidget>

namespace orbeta {

RankingCellAccessible::RankingCellAccessible(QWidget* label, int row, int column, QWidget* header)
    : QAccessibleWidget(label, QAccessible::Cell)
    , m_row(row)
    , m_column(column)
    , m_header(header)
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
    if (!m_header)
        return {};
    return {QAccessible::queryAccessibleInterface(m_header)};
}

QAccessibleInterface* RankingCellAccessible::table() const
{
    return QAccessible::queryAccessibleInterface(widget()->parentWidget());
}

} // namespace orbeta
