// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "formats/FileResult.h"
#include "print/page/WorksheetContent.h"
#include "print/plan/HistorySheet.h"

#include <memory>

namespace orbeta::print {

// The history tasks on a worksheet: per slot a group of five rows lettered
// A to E on the left, their halves numbered 1 to 5 on the right in another
// order, and the line where the pupil writes the pairs (filled in on the
// answer key).
class HistoryWorksheet : public WorksheetContent {
public:
    // Reads "6a.dat", "6b.dat" or "6c.dat" from `dataDir` and chooses the
    // sheet's items.
    static FileResult<std::unique_ptr<WorksheetContent>> load(const WorksheetRequest& request, const QString& dataDir);

    HistoryWorksheet(HistorySheet sheet, bool answers) : m_sheet(std::move(sheet)), m_answers(answers) {}

    const HistorySheet& sheet() const { return m_sheet; }

    void Vygeneruj_Tisk(PrintPage& page, int topMm, int firstItem) override;

private:
    HistorySheet m_sheet;
    bool m_answers;
};

} // namespace orbeta::print
