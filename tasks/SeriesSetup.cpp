// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tasks/SeriesSetup.h"

#include "tasks/TaskTable.h"

namespace orbeta {

SeriesSetup SeriesSetup::forTask(const TaskRow& task)
{
    SeriesSetup setup;
    setup.taskCode = TaskTable::code(task);
    setup.topicName = TaskTable::topicName(task.topic);
    setup.taskTitle = TaskTable::title(task);
    return setup;
}

} // namespace orbeta
