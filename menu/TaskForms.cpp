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

std::unique_ptr<QWidget> TaskForms::openSeries(const SeriesSetup& setup) const
{
    const Entry* found = entry(setup.taskCode);
    if (!found || !found->openSeries)
        return nullptr;
    return found->openSeries(setup);
}

bool TaskForms::printWorksheet(const SeriesSetup& setup, QPrinter& printer, int copies) const
{
    return TaskTable::find(setup.taskCode) && m_print && m_print(setup, printer, copies);
}

} // namespace orbeta
