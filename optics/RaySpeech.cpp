// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "optics/RaySpeech.h"

#include "optics/RayDrawing.h"

#include <QStringList>

#include <cmath>
#include <utility>
#include <vector>

namespace orbeta {
namespace {

// A ray passes a point it comes this close to, in pixels of the drawing.
constexpr double kThrough = 4.0;

double distanceAhead(QPoint start, QPoint end, QPoint point)
{
    const double dx = end.x() - start.x();
    const double dy = end.y() - start.y();
    const double length2 = dx * dx + dy * dy;
    if (length2 == 0)
        return INFINITY;
    const double t = ((point.x() - start.x()) * dx + (point.y() - start.y()) * dy) / length2;
    if (t <= 0)
        return INFINITY;
    return std::hypot(start.x() + t * dx - point.x(), start.y() + t * dy - point.y());
}

} // namespace

QString RaySpeech::ray(const OpticsExample& example, QPoint start, QPoint end)
{
    const int dx = end.x() - start.x();
    const int dy = end.y() - start.y();
    QString said = dx < 0 ? QStringLiteral("doľava") : QStringLiteral("doprava");
    if (std::abs(dy) * 30 <= std::abs(dx))
        return said + QStringLiteral(", rovnobežne s optickou osou");
    said += dy < 0 ? QStringLiteral(" hore") : QStringLiteral(" dole");
    const bool mirror = example.task == OpticsTask::Mirror;
    const std::vector<std::pair<QPoint, QString>> named{
        {example.focus, QStringLiteral("ohnisko F")},
        {example.centre, mirror ? QStringLiteral("stred krivosti C") : QStringLiteral("optický stred O")},
        {2 * example.centre - example.focus, mirror ? QString() : QStringLiteral("ohnisko F′")},
    };
    for (const auto& [point, name] : named)
        if (!name.isEmpty() && distanceAhead(start, end, point) <= kThrough)
            return said + QStringLiteral(", cez ") + name;
    return said;
}

QString RaySpeech::describe(const RayDrawing& drawing, std::optional<QLine> aim, int aimRay)
{
    const OpticsExample& example = drawing.example();
    QStringList said;
    for (int i = 1; i < int(drawing.pupilRays().size()); ++i) {
        const PupilRay& r = drawing.pupilRays()[std::size_t(i)];
        if (r.drawn)
            said << QStringLiteral("Nakreslený lúč %1: %2.").arg(i).arg(ray(example, r.start, r.end));
    }
    if (said.isEmpty())
        said << QStringLiteral("Nič nie je nakreslené.");
    if (aim)
        said << QStringLiteral("Mieriš lúčom %1: %2.").arg(aimRay).arg(ray(example, aim->p1(), aim->p2()));
    said << QStringLiteral("Tab vyberie lúč, šípky ho otáčajú, Enter ho nakreslí, Delete zmaže.");
    return said.join(QLatin1Char(' '));
}

} // namespace orbeta
