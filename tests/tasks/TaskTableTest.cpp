// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tasks/TaskTable.h"

#include <QSet>

#include <gtest/gtest.h>

using namespace orbeta;

// The build writes a ranking file per code of its own list; it must be the table's.
TEST(TaskTable, BuildListsTheSameCodes)
{
    EXPECT_EQ(TaskTable::codes().join(QLatin1Char(' ')), QStringLiteral(ORBETA_TASK_CODES));
}

TEST(TaskTable, CodesTopicsAndItemsAreConsistent)
{
    QSet<QString> seen;
    for (const TaskRow& row : TaskTable::rows()) {
        const QString code = TaskTable::code(row);
        SCOPED_TRACE(code.toStdString());
        EXPECT_FALSE(seen.contains(code));
        seen.insert(code);
        // The code is the topic's digit and the item's letter.
        EXPECT_EQ(code, QString::number(row.topic) + QChar(u'a' + row.item - 1));
        EXPECT_EQ(TaskTable::find(row.topic, row.item), &row);
        EXPECT_EQ(row.group == TopicGroup::History, row.topic == 6);
        EXPECT_LE(row.item, TaskTable::taskCount(row.topic));
        EXPECT_FALSE(TaskTable::title(row).isEmpty());
        EXPECT_FALSE(TaskTable::shownTitle(row).isEmpty());
    }
    EXPECT_EQ(TaskTable::find(QStringLiteral("1e")), nullptr);
    EXPECT_EQ(TaskTable::find(3, 3), nullptr);
    EXPECT_EQ(TaskTable::groupOf(QStringLiteral("0")), TopicGroup::Physics);
    EXPECT_TRUE(TaskTable::topicName(7).isEmpty());
}
