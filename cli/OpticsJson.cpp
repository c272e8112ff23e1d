#include "cli/OpticsJson.h"

namespace orbeta::cli {
namespace {

std::string point(QPoint p)
{
    return "[" + std::to_string(p.x()) + "," + std::to_string(p.y()) + "]";
}

const char* kindName(const OpticsExample& e)
{
    if (e.task == OpticsTask::Mirror)
        return e.firstKind() ? "concave" : "convex";
    return e.firstKind() ? "converging" : "diverging";
}

} // namespace

std::string opticsExampleJson(const OpticsExample& e, std::uint64_t seed)
{
    std::string rays;
    for (int i = 1; i <= OpticsExample::kRays; ++i) {
        if (!e.rayGiven[std::size_t(i)])
            continue;
        const auto& p = e.rayPoints[std::size_t(i)];
        rays += std::string(rays.empty() ? "" : ",") + "{\"ray\":" + std::to_string(i) + ",\"incident\":["
                + point(e.objectTop) + "," + point(p[0]) + "],\"outgoing\":[" + point(p[0]) + "," + point(p[1])
                + "]}";
    }
    return "{\"code\":\"" + opticsTaskCode(e.task).toStdString() + "\",\"seed\":" + std::to_string(seed)
           + ",\"kind\":\"" + kindName(e) + "\",\"slot\":" + std::to_string(e.sceneIndex)
           + ",\"object\":{\"base\":" + point(e.objectBase) + ",\"top\":" + point(e.objectTop) + "},\"rays\":["
           + rays + "],\"image\":" + point(e.image) + ",\"virtual\":" + (e.virtualImage() ? "true" : "false")
           + ",\"assignment\":" + std::to_string(e.assignmentLine) + "}";
}

} // namespace orbeta::cli
