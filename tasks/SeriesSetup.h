// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <cstdint>

namespace orbeta {

struct TaskRow;

// What the setup form hands the task form when a series starts: the task,
// and the pupil's name and count as chosen there.
struct SeriesSetup {
    QString taskCode;  // "1a" .. "6c"
    QString topicName; // as the results log stores it
    QString taskTitle; // as the results log stores it
    QString pupilName;
    std::uint8_t exampleCount = 0;

    // The task's code, topic and title; no name, no count.
    static SeriesSetup forTask(const TaskRow& task);
};

} // namespace orbeta
