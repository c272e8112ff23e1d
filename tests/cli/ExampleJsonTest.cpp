// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/ExampleJson.h"

#include "calc/grading/SolutionText.h"
#include "calc/rules/TaskQuantities.h"
#include "tests/support/CalcTestTables.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace orbeta;
using orbeta::cli::exampleJson;

namespace {

// Whether a JSON value reads back as the quantity's value; a Single as the
// same Single.
bool holds(const QJsonValue& json, const Reading& value)
{
    if (const int* whole = std::get_if<int>(&value))
        return json.isDouble() && json.toInteger() == *whole;
    if (const float* single = std::get_if<float>(&value))
        return json.isDouble() && static_cast<float>(json.toDouble()) == *single;
    if (const IntList* list = std::get_if<IntList>(&value)) {
        QJsonArray items;
        for (int i = 0; i < list->count; ++i)
            items.append(list->items[static_cast<std::size_t>(i)]);
        return json == items;
    }
    return json.isNull();
}

} // namespace

TEST(ExampleJson, EveryLineIsOneObjectWithTheTasksQuantities)
{
    for (CalcTask task : kAllCalcTasks) {
        SCOPED_TRACE(calcTaskCode(task).toStdString());
        for (std::uint64_t seed = 0; seed < 30; ++seed) {
            const CalcExample e = test::generated(task, seed);
            const std::string line = exampleJson(e, seed);
            ASSERT_EQ(line.find('\n'), std::string::npos);
            QJsonParseError error;
            const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
            ASSERT_EQ(error.error, QJsonParseError::NoError) << line;
            const QJsonObject o = document.object();
            EXPECT_EQ(o["code"].toString(), calcTaskCode(task));
            EXPECT_EQ(o["seed"].toInteger(), qint64(seed));
            EXPECT_EQ(o["asked"].isNull(), !e.asked.has_value());
            EXPECT_EQ(o["row"].isNull(), e.tableRow == 0);
            EXPECT_EQ(o["solution"].toString(), SolutionText(e));
            // Every quantity of the task's table once, with its value.
            const QJsonObject values = o["values"].toObject();
            EXPECT_EQ(values.size(), qsizetype(TaskQuantities::of(task).size()));
            for (const Quantity& q : TaskQuantities::of(task))
                EXPECT_TRUE(holds(values[QLatin1String(q.name)], q.read(e.values))) << q.name;
            const QJsonArray boxes = o["boxes"].toArray();
            ASSERT_EQ(boxes.size(), 6);
            for (int i = 0; i < 6; ++i)
                EXPECT_EQ(boxes[i].toString(), e.boxes[static_cast<std::size_t>(i)].text);
        }
    }
}

TEST(ExampleJson, SingleValuesKeepTheirShortestDecimal)
{
    LiquidDensityValues x{150, 1.26f, 120, 301.2f};
    CalcExample e;
    e.task = CalcTask::LiquidDensity;
    e.asked = 1;
    e.values = x;
    const std::string line = exampleJson(e, 18446744073709551615ULL);
    EXPECT_NE(line.find("\"m2\":301.2,"), std::string::npos) << line;
    EXPECT_NE(line.find("\"rho\":1.26}"), std::string::npos) << line;
    EXPECT_NE(line.find("\"seed\":18446744073709551615,"), std::string::npos) << line;
}
