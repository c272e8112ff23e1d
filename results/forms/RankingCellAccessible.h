// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleWidget>
#include <QPointer>

namespace orbeta {

// One label of the results table as a table cell: its row, its column and the
// heading over it, which the table hands over when it makes the cell.
class RankingCellAccessible : public QAccessibleWidget, public QAccessibleTableCellInterface {
public:
    RankingCellAccessible(QWidget* label, int row, int column, QWidget* header);

    void* interface_cast(QAccessible::InterfaceType type) override;

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

private:
    int m_row;
    int m_column;
    QPointer<QWidget> m_header;
};

} // namespace orbeta
