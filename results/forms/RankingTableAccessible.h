// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleWidget>
#include <QList>

namespace orbeta {

// The results table as a screen reader meets it: a table whose column headers
// are the painted headings and whose cells are the labels of the rows that
// hold a record. The widgets stay plain; their place is kept in properties.
class RankingTableAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit RankingTableAccessible(QWidget* table);

    // Before any of the widgets is first described: Qt keeps the first description it makes.
    // `rows` holds the labels row by row, each as long as `headers`.
    static void assign(QWidget* table, const QList<QWidget*>& headers, const QList<QList<QWidget*>>& rows);
    // The rows that hold a record; the empty rows below them are not read.
    static void setRowCount(QWidget* table, int rows);

    void* interface_cast(QAccessible::InterfaceType type) override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

    // The widget at `row` of `column`; row -1 is the header.
    static QWidget* part(const QWidget* table, int row, int column);
};

} // namespace orbeta
