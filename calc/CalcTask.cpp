#include "calc/CalcTask.h"

namespace orbeta {
namespace {

constexpr std::array<const char*, 16> kCodes = {
    "1a", "1b", "1c", "1d", "2a", "2b", "2c", "2d", "2e", "3a", "3b", "5a", "5b", "5c", "5d", "5e",
};

} // namespace

QString calcTaskCode(CalcTask task)
{
    return QString::fromLatin1(kCodes[static_cast<std::size_t>(task)]);
}

std::optional<CalcTask> calcTaskFromCode(QStringView code)
{
    for (CalcTask task : kAllCalcTasks)
        if (code == QLatin1String(kCodes[static_cast<std::size_t>(task)]))
            return task;
    return std::nullopt;
}

} // namespace orbeta
