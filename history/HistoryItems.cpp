#include "history/HistoryItems.h"

namespace orbeta {

QString PersonItem::lifeSpan() const
{
    if (death == 0)
        return QString::number(birth) + QStringLiteral(" - souč.");
    return QString::number(birth) + QStringLiteral(" - ") + QString::number(death);
}

} // namespace orbeta
