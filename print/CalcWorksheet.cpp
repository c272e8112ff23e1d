#include "print/CalcWorksheet.h"

namespace orbeta::print {

FileResult<std::unique_ptr<WorksheetContent>> CalcWorksheet::load(const WorksheetRequest&, const QString&)
{
    return std::unique_ptr<WorksheetContent>(std::make_unique<CalcWorksheet>());
}

void CalcWorksheet::Vygeneruj_Tisk(PrintPage&, int, int) {}

} // namespace orbeta::print
