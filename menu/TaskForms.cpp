// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "menu/TaskForms.h"

#include <QWidget>

namespace orbeta {

const TaskForms::Entry* TaskForms::entry(const QString& taskCode) const
{
    const TaskRow* row = TaskTable::find(taskCode);
    if (!row)
        return nullptr;
    const auto it = m_entries.find(row->form);
    return it == m_entries.end() ? nullptr : &it->second;
}

std::unique_ptr<QWidget> TaskForms::openSeries(const QString& taskCode) const
{
    const Entry* found = entry(taskCode);
    if (!found || !found->openSeries)
        return nullptr;
    return found->openSeries(taskCode);
}

bool TaskForms::printWorksheet(const QString& taskCode, QPrinter& printer, int copies) const
{
    return TaskTable::find(taskCode) && m_print && m_print(taskCode, printer, copies);
}

} // namespace orbeta
