// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/forms/RankingTableAccessible.h"

#include "results/forms/RankingCellAccessible.h"

#include <QWidget>

namespace orbeta {
namespace {

constexpr char kTableProperty[] = "orbetaRankingColumns";
constexpr char kShownRowsProperty[] = "orbetaRankingRows";
constexpr char kRowProperty[] = "orbetaRankingRow";
constexpr char kColumnProperty[] = "orbetaRankingColumn";

QAccessibleInterface* rankingAccessible(const QString&, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (widget->property(kTableProperty).isValid())
        return new RankingTableAccessible(widget);
    const QVariant row = widget->property(kRowProperty);
    if (!row.isValid())
        return nullptr;
    if (row.toInt() < 0)
        return new QAccessibleWidget(widget, QAccessible::ColumnHeader);
    const int column = widget->property(kColumnProperty).toInt();
    return new RankingCellAccessible(widget, row.toInt(), column,
                                     RankingTableAccessible::part(widget->parentWidget(), -1, column));
}

} // namespace

RankingTableAccessible::RankingTableAccessible(QWidget* table) : QAccessibleWidget(table, QAccessible::Table) {}

void RankingTableAccessible::assign(QWidget* table, const QList<QWidget*>& headers,
                                    const QList<QList<QWidget*>>& rows)
{
    static const bool installed = [] {
        QAccessible::installFactory(rankingAccessible);
        return true;
    }();
    (void)installed;
    table->setProperty(kTableProperty, int(headers.size()));
    table->setProperty(kShownRowsProperty, int(rows.size()));
    for (int column = 0; column < headers.size(); ++column) {
        headers.at(column)->setProperty(kRowProperty, -1);
        headers.at(column)->setProperty(kColumnProperty, column);
    }
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < rows.at(row).size(); ++column) {
            rows.at(row).at(column)->setProperty(kRowProperty, row);
            rows.at(row).at(column)->setProperty(kColumnProperty, column);
        }
    }
}

void RankingTableAccessible::setRowCount(QWidget* table, int rows)
{
    table->setProperty(kShownRowsProperty, rows);
}

QWidget* RankingTableAccessible::part(const QWidget* table, int row, int column)
{
    if (!table)
        return nullptr;
    for (QObject* child : table->children()) {
        if (child->isWidgetType() && child->property(kRowProperty).toInt() == row
            && child->property(kRowProperty).isValid() && child->property(kColumnProperty).toInt() == column)
            return static_cast<QWidget*>(child);
    }
    return nullptr;
}

void* RankingTableAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

int RankingTableAccessible::columnCount() const
{
    return widget()->property(kTableProperty).toInt();
}

int RankingTableAccessible::rowCount() const
{
    return widget()->property(kShownRowsProperty).toInt();
}

// The headers come first, then the cells row by row, as a screen reader walks a table.
int RankingTableAccessible::childCount() const
{
    return columnCount() * (rowCount() + 1);
}

QAccessibleInterface* RankingTableAccessible::child(int index) const
{
    const int columns = columnCount();
    if (index < 0 || index >= childCount() || columns == 0)
        return nullptr;
    QWidget* found = part(widget(), index / columns - 1, index % columns);
    return found ? QAccessible::queryAccessibleInterface(found) : nullptr;
}

int RankingTableAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    QObject* object = child ? child->object() : nullptr;
    if (!object || object->parent() != widget() || !object->property(kRowProperty).isValid())
        return -1;
    const int row = object->property(kRowProperty).toInt();
    if (row >= rowCount())
        return -1;
    return (row + 1) * columnCount() + object->property(kColumnProperty).toInt();
}

QAccessibleInterface* RankingTableAccessible::cellAt(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return nullptr;
    QWidget* found = part(widget(), row, column);
    return found ? QAccessible::queryAccessibleInterface(found) : nullptr;
}

QString RankingTableAccessible::columnDescription(int column) const
{
    QWidget* header = part(widget(), -1, column);
    return header ? header->accessibleName() : QString();
}

QString RankingTableAccessible::rowDescription(int row) const
{
    QWidget* first = part(widget(), row, 0);
    return first && row < rowCount() ? first->accessibleDescription() : QString();
}

} // namespace orbeta
