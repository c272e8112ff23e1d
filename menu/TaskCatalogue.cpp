#include "menu/TaskCatalogue.h"

namespace orbeta {

QString TaskCatalogue::topicPicture(int topic, bool highlighted)
{
    return QStringLiteral("Bitmap\\Select\\l_%1_%2.bmp").arg(topic, 2, 10, QLatin1Char('0')).arg(highlighted ? 1 : 0);
}

QString TaskCatalogue::taskPicture(const QString& taskCode, Look look)
{
    return QStringLiteral("Bitmap\\Select\\r_0%1_%2.bmp").arg(taskCode).arg(static_cast<int>(look));
}

} // namespace orbeta
