#include "cli/ExampleJson.h"

#include "calc/SolutionText.h"

#include <charconv>
#include <cstdio>
#include <initializer_list>

namespace orbeta::cli {
namespace {

// A JSON object written member by member.
class JsonObject {
public:
    explicit JsonObject(std::string& out) : m_out(out) { m_out += '{'; }
    ~JsonObject() { m_out += '}'; }
    JsonObject(const JsonObject&) = delete;
    JsonObject& operator=(const JsonObject&) = delete;

    std::string& key(const char* name)
    {
        if (!m_first)
            m_out += ',';
        m_first = false;
        m_out += '"';
        m_out += name;
        m_out += "\":";
        return m_out;
    }
    void number(const char* name, long long value) { key(name) += std::to_string(value); }
    void number(const char* name, float value)
    {
        char buffer[32];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
        key(name).append(buffer, end);
    }
    void number(const char* name, int value) { number(name, static_cast<long long>(value)); }
    void unsignedNumber(const char* name, std::uint64_t value) { key(name) += std::to_string(value); }
    void null(const char* name) { key(name) += "null"; }
    void numberOrNull(const char* name, int value)
    {
        if (value == 0)
            null(name);
        else
            number(name, value);
    }
    template <class Range>
    void numbers(const char* name, const Range& values, std::size_t count)
    {
        std::string& out = key(name);
        out += '[';
        std::size_t i = 0;
        for (auto it = std::begin(values); i < count; ++it, ++i) {
            if (i > 0)
                out += ',';
            out += std::to_string(*it);
        }
        out += ']';
    }
    void string(const char* name, const QString& value) { appendString(key(name), value); }

    static void appendString(std::string& out, const QString& value)
    {
        out += '"';
        for (const char c : value.toStdString()) {
            switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escape[8];
                    std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
                    out += escape;
                } else {
                    out += c;
                }
            }
        }
        out += '"';
    }

private:
    std::string& m_out;
    bool m_first = true;
};

struct Values {
    JsonObject& o;

    void operator()(const LiquidDensityValues& x) const
    {
        o.number("m1", x.m1);
        o.number("m2", x.m2);
        o.number("V", x.V);
        o.number("rho", x.rho);
    }
    void operator()(const SolidDensityValues& x) const
    {
        o.number("m", x.m);
        o.number("V1", x.V1);
        o.number("V2", x.V2);
        o.number("rho", x.rho);
        o.number("Vt", x.Vt);
        o.number("body", x.body);
    }
    void operator()(const UniformMotionValues& x) const
    {
        o.number("v", x.v);
        o.number("s", x.s);
        o.number("t", x.t);
    }
    void operator()(const NonUniformMotionValues& x) const
    {
        o.number("v", x.v);
        o.number("s1", x.s1);
        o.number("s2", x.s2);
        o.number("t", x.t);
        o.number("hours", x.hours());
        o.number("minutes", x.minutes());
        o.number("startCity", x.startCity);
        o.number("targetCity", x.targetCity);
        o.numbers("roads", x.roads, x.roads.size());
        o.numbers("speeds", x.speeds, x.speeds.size());
        o.numberOrNull("askedCity", x.askedCity);
    }
    void operator()(const LiquidPressureValues& x) const
    {
        o.number("m", x.m);
        o.number("S", x.S);
        o.number("P", x.p);
    }
    void operator()(const MechanicalWorkValues& x) const
    {
        o.number("F", x.F);
        o.number("s", x.s);
        o.number("t", x.t);
        o.number("W", x.W);
    }
    void operator()(const WinchPowerValues& x) const
    {
        o.number("W", x.W);
        o.number("P", x.P);
        o.number("s", x.s);
        o.number("t", x.t);
    }
    void operator()(const WinchEnergyValues& x) const
    {
        o.number("m", x.m);
        o.number("h", x.h);
        o.number("t", x.t);
        o.number("W", x.W);
        o.number("P", x.P);
        o.number("v", x.v);
    }
    void operator()(const LeverValues& x) const
    {
        o.numbers("weights", x.weights, static_cast<std::size_t>(x.count));
        o.numbers("marks", x.marks, static_cast<std::size_t>(x.count));
        o.numbers("offered", x.offered, static_cast<std::size_t>(x.offeredCount));
    }
    void operator()(const HeatValues& x) const
    {
        o.number("m", x.m);
        o.number("t1", x.t1);
        o.number("t2", x.t2);
        o.number("c", x.c);
        o.number("Q", x.Q);
    }
    void operator()(const MeltingValues& x) const
    {
        o.number("m", x.m);
        o.number("t1", x.t1);
        o.number("t2", x.t2);
        o.number("c1", static_cast<float>(MeltingValues::c1));
        o.number("c2", static_cast<float>(MeltingValues::c2));
        o.number("l", static_cast<float>(MeltingValues::l));
        o.number("Q", x.Q);
    }
    void operator()(const OhmsLawValues& x) const
    {
        o.number("U", x.U);
        o.number("I", x.I);
        o.number("R", x.R);
    }
    void operator()(const ElectricEnergyValues& x) const
    {
        o.number("P", x.P);
        o.number("t", x.t);
        o.number("E", x.E);
        o.number("hours", x.hours);
        o.number("minutes", x.minutes);
        o.number("U", ElectricEnergyValues::voltage);
    }
    void operator()(const ElectricPowerValues& x) const
    {
        o.number("U", x.U);
        o.number("I", x.I);
        o.number("P", x.P);
    }
    void operator()(const SeriesResistorsValues& x) const
    {
        o.number("I", x.I);
        o.number("U1", x.U1);
        o.number("U2", x.U2);
        o.number("R1", x.R1);
        o.number("R2", x.R2);
    }
    void operator()(const ParallelResistorsValues& x) const
    {
        o.number("I1", x.I1);
        o.number("I2", x.I2);
        o.number("I", x.I);
        o.number("U", x.U);
        o.number("R1", x.R1);
        o.number("R2", x.R2);
    }
};

} // namespace

std::string exampleJson(const CalcExample& example, std::uint64_t seed)
{
    std::string out;
    out.reserve(400);
    {
        JsonObject line(out);
        line.string("code", calcTaskCode(example.task));
        line.unsignedNumber("seed", seed);
        if (example.asked)
            line.number("asked", *example.asked);
        else
            line.null("asked");
        {
            JsonObject values(line.key("values"));
            std::visit(Values{values}, example.values);
        }
        line.numberOrNull("row", example.tableRow);
        std::string& boxes = line.key("boxes");
        boxes += '[';
        for (std::size_t i = 0; i < example.boxes.size(); ++i) {
            if (i > 0)
                boxes += ',';
            JsonObject::appendString(boxes, example.boxes[i].text);
        }
        boxes += ']';
        line.number("assignment", example.assignmentLine);
        line.string("solution", SolutionText(example));
    }
    return out;
}

} // namespace orbeta::cli
