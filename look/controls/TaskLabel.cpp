// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "look/controls/TaskLabel.h"

#include "tasks/TaskTable.h"

namespace orbeta {

const QList<TaskLabel>& TaskLabel::all()
{
    static const QList<TaskLabel> list = [] {
        QList<TaskLabel> labels;
        for (const TaskRow& row : TaskTable::rows())
            labels.append({TaskTable::code(row), row.topic, TaskTable::shownTitle(row)});
        return labels;
    }();
    return list;
}

QString TaskLabel::topicName(int topic)
{
    return TaskTable::shownTopicName(topic);
}

} // namespace orbeta
