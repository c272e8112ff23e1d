// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tasks/TaskTable.h"

#include <QDate>
#include <QString>

#include <cstdint>

namespace orbeta::print {

class PrintPage;

// One worksheet as it is asked for.
struct WorksheetRequest {
    const TaskRow* task = nullptr;
    int count = 0;           // examples (history: items) on the sheet
    std::uint64_t seed = 0;  // example (item) k of the sheet comes from seed + k
    QString pupilName;
    QDate date;
    bool answers = false;    // the answer key: every blank filled in
};

// The examples of one worksheet, made by the task's own generator with the
// sheet's seed. The frame asks for one slot at a time.
class WorksheetContent {
public:
    virtual ~WorksheetContent() = default;

    // Prints the slot whose top is `topMm` below the top of the page and
    // whose first example (history: item) is `firstItem` of the sheet, from 0.
    virtual void Vygeneruj_Tisk(PrintPage& page, int topMm, int firstItem) = 0;
};

} // namespace orbeta::print
