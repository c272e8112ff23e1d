// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tasks/TaskTable.h"

#include <optional>
#include <vector>

namespace orbeta::print {

// A filled slot of a worksheet page.
struct SlotPlace {
    int slot = 0;      // 1 .. slots per page
    int topMm = 0;     // top of the slot on the page
    int firstItem = 0; // the sheet's first example (history: item) in it, from 0
};

// Where the examples of a worksheet go: how many pages, and which slots of a
// page are filled. A slot is filled while the items counted so far, its own
// included, do not pass the count; the rest of the page stays empty.
class WorksheetPlan {
public:
    WorksheetPlan(const TaskRow& task, int count);

    int pageCount() const { return m_pages; }
    int slotsPerPage() const { return m_task->sheet.slotsPerPage; }
    int itemsPerSlot() const { return m_task->sheet.itemsPerSlot; }
    int slotTop(int slot) const;
    // The filled slots of page `page` (from 1), in order.
    std::vector<SlotPlace> slotsOn(int page) const;

    // The counts a worksheet can be made for: from one example (history: one
    // group of five items) to the largest count the setup screen offers.
    static bool countAllowed(const TaskRow& task, int count);
    static int maxCount(const TaskRow& task);
    // The allowed counts in words, for a message.
    static QString countsText(const TaskRow& task);

private:
    const TaskRow* m_task;
    int m_count;
    int m_pages;
};

} // namespace orbeta::print
