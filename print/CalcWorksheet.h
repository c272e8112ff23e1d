#pragma once

#include "print/WorksheetContent.h"
#include "shell/FileResult.h"

#include <memory>

namespace orbeta::print {

class CalcWorksheet : public WorksheetContent {
public:
    static FileResult<std::unique_ptr<WorksheetContent>> load(const WorksheetRequest& request, const QString& dataDir);

    void Vygeneruj_Tisk(PrintPage& page, int topMm, int firstItem) override;
};

} // namespace orbeta::print
