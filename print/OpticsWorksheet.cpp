#include "print/OpticsWorksheet.h"

namespace orbeta::print {

FileResult<std::unique_ptr<WorksheetContent>> OpticsWorksheet::load(const WorksheetRequest&, const QString&)
{
    return std::unique_ptr<WorksheetContent>(std::make_unique<OpticsWorksheet>());
}

void OpticsWorksheet::Vygeneruj_Tisk(PrintPage&, int, int) {}

} // namespace orbeta::print
