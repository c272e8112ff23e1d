// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/OpticsJson.h"

namespace orbeta::cli {
namespace {

// Built by appending: GCC 12 at -O3 reports a false -Wrestrict on chains of
// operator+ that start with a string literal.
void appendPoint(std::string& out, QPoint p)
{
    out += '[';
    out += std::to_string(p.x());
    out += ',';
    out += std::to_string(p.y());
    out += ']';
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
    std::string out = "{\"code\":\"";
    out += opticsTaskCode(e.task).toStdString();
    out += "\",\"seed\":";
    out += std::to_string(seed);
    out += ",\"kind\":\"";
    out += kindName(e);
    out += "\",\"slot\":";
    out += std::to_string(e.sceneIndex);
    out += ",\"object\":{\"base\":";
    appendPoint(out, e.objectBase);
    out += ",\"top\":";
    appendPoint(out, e.objectTop);
    out += "},\"rays\":[";
    bool first = true;
    for (int i = 1; i <= OpticsExample::kRays; ++i) {
        if (!e.rayGiven[std::size_t(i)])
            continue;
        const auto& p = e.rayPoints[std::size_t(i)];
        if (!first)
            out += ',';
        first = false;
        out += "{\"ray\":";
        out += std::to_string(i);
        out += ",\"incident\":[";
        appendPoint(out, e.objectTop);
        out += ',';
        appendPoint(out, p[0]);
        out += "],\"outgoing\":[";
        appendPoint(out, p[0]);
        out += ',';
        appendPoint(out, p[1]);
        out += "]}";
    }
    out += "],\"image\":";
    appendPoint(out, e.image);
    out += ",\"virtual\":";
    out += e.virtualImage() ? "true" : "false";
    out += ",\"assignment\":";
    out += std::to_string(e.assignmentLine);
    out += '}';
    return out;
}

} // namespace orbeta::cli
