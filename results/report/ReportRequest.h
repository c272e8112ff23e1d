// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tasks/TaskTable.h"

#include <QDate>
#include <QList>
#include <QStringList>

#include <optional>

namespace orbeta::results {

// What a class report covers, as the teacher asked for it.
struct ReportRequest {
    std::optional<QDate> from; // both days included; open ends reach the first series and today
    std::optional<QDate> to;
    // The class list: the report covers exactly these pupils. None: every
    // pupil with a series in the period.
    std::optional<QStringList> classList;
    QStringList pupils;               // only these (empty: all)
    QList<const TaskRow*> tasks;      // only these (empty: every task practised in the period)
    QDate today;
};

} // namespace orbeta::results
