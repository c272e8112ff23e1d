// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The slips of "2a" to "2d": a quotient divided the wrong way round, a
// power of ten, and silence for a value no slip explains; each names its box.
#include "calc/SlipHint.h"

#include "calc/NumberText.h"

#include <gtest/gtest.h>

using namespace orbeta;

namespace {

const QString kNothing;
QString inverted(const char* symbol)
{
    return QString::fromUtf8(symbol) + QStringLiteral(": vymeň delenec a deliteľ.");
}

CalcExample example(CalcTask task, std::optional<int> asked, ExampleValues values)
{
    CalcExample e;
    e.task = task;
    e.asked = asked;
    e.values = values;
    return e;
}

CalcAnswer inBox(int box, const QString& text)
{
    CalcAnswer a;
    a.boxes[static_cast<std::size_t>(box - 1)] = text;
    return a;
}

struct SlipCase {
    const char* name;
    CalcExample example;
    CalcAnswer answer;
    QString line;
};

TEST(MechanicsSlipHint, OneRowPerSlip)
{
    // 48 kg on 6 dm²: 8,0 kPa. 40 N along 5 m: 200 J in 8,0 s. 500 W for 4,0 s: 2000 J.
    // 50 kg lifted 12,0 m in 4,0 s: 6000 J, 1500 W.
    const LiquidPressureValues press{48, 8, 6};
    const MechanicalWorkValues board{40, 5, 8, 200};
    const WinchPowerValues winch{500, 4, 6, 2000};
    const WinchEnergyValues energy{3, 50, 4, 12, 6000, 1500};
    const SlipCase cases[] = {
        {"2a p: S / m", example(CalcTask::LiquidPressure, 1, press), inBox(2, QStringLiteral("0,125")), inverted("p")},
        {"2a p: right", example(CalcTask::LiquidPressure, 1, press), inBox(2, QStringLiteral("8")), kNothing},
        {"2a S: p / m", example(CalcTask::LiquidPressure, 3, press), inBox(3, QStringLiteral("0,167")), inverted("S")},
        {"2b F: s / W", example(CalcTask::MechanicalWork, 2, board), inBox(2, QStringLiteral("0,025")), inverted("F")},
        {"2b s: F / W", example(CalcTask::MechanicalWork, 3, board), inBox(1, QStringLiteral("0,2")), inverted("s")},
        {"2b W: ten times", example(CalcTask::MechanicalWork, 1, board), inBox(3, QStringLiteral("2000")),
         QStringLiteral("W: výsledok je 10-krát väčší.")},
        {"2c P: t / W", example(CalcTask::WinchPower, 2, winch), inBox(4, QStringLiteral("0,002")), inverted("P")},
        {"2c t: P / W", example(CalcTask::WinchPower, 3, winch), inBox(3, QStringLiteral("0,25")), inverted("t")},
        {"2c t: no slip", example(CalcTask::WinchPower, 3, winch), inBox(3, QStringLiteral("7")), kNothing},
        {"2d P: t / W", example(CalcTask::WinchEnergy, std::nullopt, energy),
         [] {
             CalcAnswer a = inBox(2, QStringLiteral("6000"));
             a.boxes[4] = QStringLiteral("0,001");
             return a;
         }(),
         inverted("P")},
        {"2d W: a tenth, named apart from P", example(CalcTask::WinchEnergy, std::nullopt, energy),
         [] {
             CalcAnswer a = inBox(2, QStringLiteral("600"));
             a.boxes[4] = QStringLiteral("1500");
             return a;
         }(),
         QStringLiteral("W: výsledok je 10-krát menší.")},
    };
    for (const SlipCase& c : cases)
        EXPECT_EQ(SlipHint(c.example, c.answer), c.line) << c.name;
}

} // namespace
