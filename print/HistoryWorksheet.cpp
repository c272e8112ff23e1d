#include "print/HistoryWorksheet.h"

namespace orbeta::print {

FileResult<std::unique_ptr<WorksheetContent>> HistoryWorksheet::load(const WorksheetRequest&, const QString&)
{
    return std::unique_ptr<WorksheetContent>(std::make_unique<HistoryWorksheet>());
}

void HistoryWorksheet::Vygeneruj_Tisk(PrintPage&, int, int) {}

} // namespace orbeta::print
