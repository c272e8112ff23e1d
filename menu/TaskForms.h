#pragma once

#include "tasks/TaskTable.h"

#include <QRectF>
#include <QString>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>

class QPainter;
class QPrinter;
class QWidget;

namespace orbeta {

// What the setup screen can do with each task form: open a series on it, and
// draw one worksheet slot of it on a painter (no widget needed to print). The
// program builds the table at start; a form kind without an entry opens and
// prints nothing.
class TaskForms {
public:
    // The loaded form, not yet shown; null when it could not be loaded.
    using OpenSeries = std::function<std::unique_ptr<QWidget>(const QString& taskCode)>;
    // One slot of a worksheet: a fresh example of the task drawn into `slot`
    // (millimetres of the page), reproducible from `seed`.
    using PrintSlot =
        std::function<void(QPainter& painter, const QRectF& slot, const QString& taskCode, std::uint64_t seed)>;
    // Lays out the worksheet of the task on the printer, `copies` times, and
    // draws its slots with `printSlot`.
    using PrintFrame = std::function<void(QPrinter& printer, int copies, const QString& taskCode,
                                          const PrintSlot& printSlot)>;

    struct Entry {
        OpenSeries openSeries;
        PrintSlot printSlot;
    };

    void add(TaskFormKind form, Entry entry) { m_entries[form] = std::move(entry); }
    void setPrintFrame(PrintFrame frame) { m_printFrame = std::move(frame); }

    std::unique_ptr<QWidget> openSeries(const QString& taskCode) const;
    // False when the task has nothing to print.
    bool printWorksheet(const QString& taskCode, QPrinter& printer, int copies) const;

private:
    const Entry* entry(const QString& taskCode) const;

    std::map<TaskFormKind, Entry> m_entries;
    PrintFrame m_printFrame;
};

} // namespace orbeta
