// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "formats/FileResult.h"
#include "optics/OpticsTaskFile.h"
#include "print/page/WorksheetContent.h"
#include "print/plan/OpticsSheet.h"

#include <QRectF>

#include <memory>

namespace orbeta::print {

// The ray constructions of "4a" and "4b" on a worksheet: one scene per slot
// as the pupil sees it before drawing, or with the correct construction on
// the answer key.
class OpticsWorksheet : public WorksheetContent {
public:
    // Scene pixels per millimetre of paper.
    static constexpr double kPxPerMm = 4.5;

    // Reads "4a.dat" or "4b.dat" from `dataDir` and makes the sheet's examples.
    static FileResult<std::unique_ptr<WorksheetContent>> load(const WorksheetRequest& request, const QString& dataDir);
    // The sheet draws each mirror the installation has as vectors: a scene
    // naming another, or one of the other kind, is refused.
    static OpticsTaskFile::PictureCheck pictureCheck();

    OpticsWorksheet(OpticsSheet sheet, bool answers) : m_sheet(std::move(sheet)), m_answers(answers) {}

    const OpticsSheet& sheet() const { return m_sheet; }

    void Vygeneruj_Tisk(PrintPage& page, int topMm, int firstItem) override;

private:
    OpticsSheet m_sheet;
    bool m_answers;
};

} // namespace orbeta::print
