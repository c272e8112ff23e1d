#include "menu/TaskForm.h"

#include <QStringList>

namespace orbeta {

std::optional<TaskForm> taskFormFor(const QString& taskCode)
{
    static const QStringList mech1{"1a", "1b", "1c", "1d", "2a", "2b", "2c", "2d", "2e",
                                   "3a", "3b", "5a", "5b", "5c", "5d", "5e"};
    if (mech1.contains(taskCode))
        return TaskForm::Mech1;
    if (taskCode == QLatin1String("4a") || taskCode == QLatin1String("4b"))
        return TaskForm::Zobr;
    if (taskCode == QLatin1String("6a"))
        return TaskForm::Dvojice;
    if (taskCode == QLatin1String("6b") || taskCode == QLatin1String("6c"))
        return TaskForm::Osa;
    return std::nullopt;
}

} // namespace orbeta
