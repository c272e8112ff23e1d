#include "optics/RayFeedback.h"

namespace orbeta {

std::vector<RayFault> RayFeedback::faults(const RayDrawing& drawing)
{
    std::vector<RayFault> out;
    const auto& rays = drawing.pupilRays();
    if (drawing.rayError(drawing.wrongStartIndex()) || rays[0].drawn)
        out.push_back(RayFault::WrongStart);
    if (rays[1].drawn && drawing.rayError(1))
        out.push_back(RayFault::Ray1Direction);
    if (rays[2].drawn && drawing.rayError(2))
        out.push_back(RayFault::Ray2Direction);
    const int drawn = int(rays[1].drawn) + int(rays[2].drawn);
    if (drawn == 1)
        out.push_back(RayFault::MissingRay);
    if (drawn == 0)
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
    case RayFault::Ray1Direction:
        if (mirror)
            return first ? QStringLiteral("Lúč 1 po odraze prechádza ohniskom F.")
                         : QStringLiteral("Lúč 1 sa po odraze šíri akoby z ohniska F.");
        return first ? QStringLiteral("Lúč 1 po prechode šošovkou prechádza ohniskom F'.")
                     : QStringLiteral("Lúč 1 sa po prechode šošovkou šíri akoby z ohniska F.");
    case RayFault::Ray2Direction:
        if (mirror)
            return first ? QStringLiteral("Lúč 2 sa po odraze vracia cez stred krivosti C.")
                         : QStringLiteral("Lúč 2 sa po odraze vracia po tej istej priamke.");
        return QStringLiteral("Lúč 2 prechádza optickým stredom O bez zmeny smeru.");
    case RayFault::MissingRay:
        return QStringLiteral("Chýba druhý lúč.");
    case RayFault::NoRays:
        return QStringLiteral("Nie je nakreslený ani jeden lúč.");
    case RayFault::ImageElsewhere:
        return QStringLiteral("Obraz nie je tam, kde sa lúče pretínajú.");
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
