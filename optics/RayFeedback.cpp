// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "optics/RayFeedback.h"

namespace orbeta {

std::vector<RayFault> RayFeedback::faults(const RayDrawing& drawing)
{
    std::vector<RayFault> out;
    const auto& rays = drawing.pupilRays();
    if (drawing.rayError(drawing.wrongStartIndex()) || rays[0].drawn)
        out.push_back(RayFault::WrongStart);
    if (rays[1].drawn && drawing.rayError(1))
        out.push_back(drawing.wrongSide(1) ? RayFault::Ray1Side : RayFault::Ray1Direction);
    if (rays[2].drawn && drawing.rayError(2))
        out.push_back(drawing.wrongSide(2) ? RayFault::Ray2Side : RayFault::Ray2Direction);
    if (rays[1].drawn != rays[2].drawn)
        out.push_back(rays[1].drawn ? RayFault::Ray2Missing : RayFault::Ray1Missing);
    if (!rays[1].drawn && !rays[2].drawn)
        out.push_back(RayFault::NoRays);
    if (out.empty() && !drawing.evaluate())
        out.push_back(RayFault::ImageElsewhere);
    return out;
}

QString RayFeedback::text(RayFault fault, const OpticsExample& example)
{
    const bool mirror = example.task == OpticsTask::Mirror;
    const bool first = example.firstKind();
    switch (fault) {
    case RayFault::WrongStart:
        return QStringLiteral("Lúč nezačína v bode dopadu.");
    case RayFault::Ray1Side:
    case RayFault::Ray2Side: {
        const QString ray = fault == RayFault::Ray1Side ? QStringLiteral("Lúč 1") : QStringLiteral("Lúč 2");
        return mirror ? ray + QStringLiteral(" sa odráža späť pred zrkadlo, nie za zrkadlo.")
                      : ray + QStringLiteral(" prechádza šošovkou na druhú stranu, nevracia sa späť.");
    }
    case RayFault::Ray1Direction:
        if (mirror)
            return first ? QStringLiteral("Lúč 1 po odraze prechádza ohniskom F.")
                         : QStringLiteral("Lúč 1 sa po odraze šíri tak, akoby vychádzal z ohniska F.");
        return first ? QStringLiteral("Lúč 1 po prechode šošovkou prechádza ohniskom F′.")
                     : QStringLiteral("Lúč 1 sa po prechode šošovkou šíri tak, akoby vychádzal z ohniska F.");
    case RayFault::Ray2Direction:
        if (mirror && example.secondRay == MirrorSecondRay::ToVertex)
            return QStringLiteral("Lúč 2 sa vo vrchole V odráža súmerne podľa optickej osi.");
        if (mirror)
            return first ? QStringLiteral("Lúč 2 sa po odraze vracia cez stred krivosti C.")
                         : QStringLiteral("Lúč 2 sa po odraze vracia po tej istej priamke.");
        return QStringLiteral("Lúč 2 prechádza optickým stredom O bez zmeny smeru.");
    case RayFault::Ray1Missing:
        return QStringLiteral("Chýba lúč 1.");
    case RayFault::Ray2Missing:
        return QStringLiteral("Chýba lúč 2.");
    case RayFault::NoRays:
        return QStringLiteral("Nie je nakreslený ani jeden lúč.");
    case RayFault::ImageElsewhere:
        // A virtual image stands where the rays' backward extensions meet.
        return example.virtualImage() ? QStringLiteral("Obraz nie je tam, kde sa pretínajú predĺženia lúčov.")
                                      : QStringLiteral("Obraz nie je tam, kde sa lúče pretínajú.");
    }
    return {};
}

bool RayFeedback::rayWrong(const RayDrawing& drawing, int record)
{
    if (record == 0)
        return true;
    return drawing.rayError(record);
}

} // namespace orbeta
