// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/plan/WorksheetPlan.h"

#include <QStringList>

#include <algorithm>

namespace orbeta::print {
namespace {

// The setup screen's counts take their page numbers from the task table; a
// count of the command line between them gets as many pages as it fills.
int pagesFor(const TaskRow& task, int count)
{
    const auto offered = TaskTable::countsOffered(task.group);
    for (std::size_t i = 0; i < offered.size(); ++i)
        if (offered[i] == count)
            return task.sheet.pages[i];
    const int perPage = task.sheet.slotsPerPage * task.sheet.itemsPerSlot;
    return std::max(1, (count + perPage - 1) / perPage);
}

} // namespace

WorksheetPlan::WorksheetPlan(const TaskRow& task, int count)
    : m_task(&task), m_count(count), m_pages(pagesFor(task, count))
{
}

int WorksheetPlan::slotTop(int slot) const
{
    return m_task->sheet.slotStep * slot + m_task->sheet.slotOffset;
}

std::vector<SlotPlace> WorksheetPlan::slotsOn(int page) const
{
    std::vector<SlotPlace> places;
    const int perSlot = itemsPerSlot();
    int printed = (page - 1) * slotsPerPage() * perSlot;
    for (int slot = 1; slot <= slotsPerPage(); ++slot) {
        printed += perSlot;
        if (printed <= m_count)
            places.push_back({slot, slotTop(slot), printed - perSlot});
    }
    return places;
}

bool WorksheetPlan::countAllowed(const TaskRow& task, int count)
{
    return count >= 1 && count <= maxCount(task) && count % task.sheet.itemsPerSlot == 0;
}

int WorksheetPlan::maxCount(const TaskRow& task)
{
    const auto offered = TaskTable::countsOffered(task.group);
    return *std::max_element(offered.begin(), offered.end());
}

QString WorksheetPlan::countsText(const TaskRow& task)
{
    if (task.sheet.itemsPerSlot == 1)
        return QStringLiteral("1 až %1 príkladov").arg(maxCount(task));
    QStringList counts;
    for (int n = task.sheet.itemsPerSlot; n <= maxCount(task); n += task.sheet.itemsPerSlot)
        counts.append(QString::number(n));
    const QString last = counts.takeLast();
    return counts.join(QStringLiteral(", ")) + QStringLiteral(" alebo ") + last + QStringLiteral(" položiek");
}

} // namespace orbeta::print
