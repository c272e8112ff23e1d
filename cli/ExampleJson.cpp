// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/ExampleJson.h"

#include "calc/grading/SolutionText.h"
#include "calc/rules/TaskQuantities.h"

#include <charconv>
#include <cstdio>

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

// One field of "values": a quantity of the task's table.
void writeQuantity(JsonObject& o, const char* name, const Reading& value)
{
    if (const int* whole = std::get_if<int>(&value))
        o.number(name, *whole);
    else if (const float* single = std::get_if<float>(&value))
        o.number(name, *single);
    else if (const IntList* list = std::get_if<IntList>(&value))
        o.numbers(name, list->items, static_cast<std::size_t>(list->count));
    else
        o.null(name);
}

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
            for (const Quantity& q : TaskQuantities::of(example.task))
                writeQuantity(values, q.name, q.read(example.values));
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
