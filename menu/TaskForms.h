// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tasks/SeriesSetup.h"
#include "tasks/TaskTable.h"

#include <QString>

#include <functional>
#include <map>
#include <memory>

class QPrinter;
class QWidget;

namespace orbeta {

// What the setup screen can do with a task: open a series on its form, and
// print a worksheet of it (no form needed: the worksheets are drawn by the
// print library). The program builds the table at start; a form kind without
// an entry opens nothing.
class TaskForms {
public:
    // The loaded form, not yet shown; null when it could not be loaded.
    using OpenSeries = std::function<std::unique_ptr<QWidget>(const SeriesSetup& setup)>;
    // Prints `copies` worksheets of the task, each with fresh examples, on
    // the printer set up by the print dialog; false when nothing was printed.
    using PrintWorksheets = std::function<bool(const SeriesSetup& setup, QPrinter& printer, int copies)>;

    struct Entry {
        OpenSeries openSeries;
    };

    void add(TaskFormKind form, Entry entry) { m_entries[form] = std::move(entry); }
    void setPrinting(PrintWorksheets print) { m_print = std::move(print); }

    std::unique_ptr<QWidget> openSeries(const SeriesSetup& setup) const;
    // False when the task is unknown or nothing was printed.
    bool printWorksheet(const SeriesSetup& setup, QPrinter& printer, int copies) const;

private:
    const Entry* entry(const QString& taskCode) const;

    std::map<TaskFormKind, Entry> m_entries;
    PrintWorksheets m_print;
};

} // namespace orbeta
