// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/basics/CalcTask.h"

#include <QString>
#include <array>
#include <optional>
#include <variant>

namespace orbeta {

// The quantities of one example, one record per task. Integer quantities are
// int, Single quantities float: the evaluation compares the pupil's answer
// with these values exactly as stored.

struct LiquidDensityValues {  // "1a"
    int m1 = 0;      // g, the empty cylinder
    float rho = 0;   // g/cm³, from the table row
    int V = 0;       // ml
    float m2 = 0;    // g, cylinder with the liquid
};

struct SolidDensityValues {   // "1b"
    float rho = 0;   // g/cm³, from the table row
    int Vt = 0;      // ml, the body
    int V1 = 0;      // ml, liquid alone
    int V2 = 0;      // ml, liquid with the body
    float m = 0;     // g, the body
    int body = 1;    // which of the three body pictures
};

struct UniformMotionValues {  // "1c"
    float v = 0;     // m/s
    float s = 0;     // m
    float t = 0;     // s
};

struct NonUniformMotionValues {  // "1d"
    int startCity = 1;             // 1 to 4
    int targetCity = 2;            // 1 to 4, never the start city
    std::array<int, 4> roads{};    // km from E to cities 1 to 4
    std::array<int, 3> speeds{};   // km/h of the vehicles in table rows 1 to 3
    int v = 0;                     // km/h of the example's vehicle
    int s1 = 0;                    // km, start city to E
    int s2 = 0;                    // km, E to the target city
    int t = 0;                     // whole minutes
    int askedCity = 0;             // whose road the pupil must find (variant 2), else 0

    int hours() const { return t / 60; }
    int minutes() const { return t % 60; }
};

struct LiquidPressureValues {  // "2a"
    float m = 0;     // kg
    float p = 0;     // kPa
    int S = 0;       // dm²
};

struct MechanicalWorkValues {  // "2b"
    int F = 0;       // N
    int s = 0;       // m
    float t = 0;     // s
    int W = 0;       // J
};

struct WinchPowerValues {  // "2c"
    int P = 0;       // W
    float t = 0;     // s
    float s = 0;     // m, shown only
    int W = 0;       // J
};

struct WinchEnergyValues {  // "2d"
    int v = 0;       // lifting speed, m/s
    int m = 0;       // kg
    float t = 0;     // s
    float h = 0;     // m
    int W = 0;       // J
    int P = 0;       // W
};

// "2e": marks are -6 to -1 on the left, 1 to 6 on the right. The last weight
// (index count - 1) is the one the pupil places; the others hang.
struct LeverValues {
    int count = 0;                  // 2 or 3 weights
    std::array<int, 3> weights{};   // 1 to 20
    std::array<int, 3> marks{};
    int offeredCount = 0;           // 3 when the pupil chooses the weight, else 1
    std::array<int, 3> offered{};   // the loose weights to drag

    int placedWeight() const { return weights[count - 1]; }
    int placedMark() const { return marks[count - 1]; }
};

struct HeatValues {  // "3a"
    float c = 0;     // kJ·kg⁻¹·°C⁻¹, from the table row
    float m = 0;     // kg
    int t1 = 0;      // °C
    int t2 = 0;      // °C
    float Q = 0;     // kJ
};

struct MeltingValues {  // "3b", the constants from the table rows shown
    float c1 = 2.09f;  // ice, kJ·kg⁻¹·°C⁻¹
    float l = 334;     // melting, kJ·kg⁻¹
    float c2 = 4.18f;  // water, kJ·kg⁻¹·°C⁻¹
    int m = 0;       // kg
    int t1 = 0;      // °C, the ice
    int t2 = 0;      // °C, the water
    float Q = 0;     // kJ
};

struct OhmsLawValues {  // "5a"
    int R = 0;       // Ω
    float I = 0;     // A
    float U = 0;     // V
};

struct ElectricEnergyValues {  // "5b"
    static constexpr int voltage = 230;
    int P = 0;       // W
    int hours = 0;
    int minutes = 0;
    int t = 0;       // min
    float E = 0;     // kWh
};

struct ElectricPowerValues {  // "5c"
    int U = 0;       // V
    float I = 0;     // A
    float P = 0;     // W
};

struct SeriesResistorsValues {  // "5d"
    int R1 = 0;      // Ω
    int R2 = 0;      // Ω
    float I = 0;     // A
    float U1 = 0;    // V
    float U2 = 0;    // V
};

struct ParallelResistorsValues {  // "5e"
    int R1 = 0;      // Ω
    int R2 = 0;      // Ω
    float U = 0;     // V
    float I1 = 0;    // A
    float I2 = 0;    // A
    float I = 0;     // A
};

using ExampleValues =
    std::variant<LiquidDensityValues, SolidDensityValues, UniformMotionValues,
                 NonUniformMotionValues, LiquidPressureValues, MechanicalWorkValues,
                 WinchPowerValues, WinchEnergyValues, LeverValues, HeatValues, MeltingValues,
                 OhmsLawValues, ElectricEnergyValues, ElectricPowerValues, SeriesResistorsValues,
                 ParallelResistorsValues>;

// One answer box of the legend (`TVstup`) as the generation leaves it. All
// boxes start locked; the experiment unlocks the empty ones (tag "0").
struct AnswerBox {
    bool used = false;    // the task shows this box
    QString text;         // empty: the pupil must find this quantity
    QString unit;         // for the unit label, Unicode ("g/cm³", "Ω")
    int hintLine = 0;     // line of the hint texts for the tool tip, 0 for none

    bool tagged() const { return !text.isEmpty(); }
};

// The example state that the calculation form keeps from one generation to
// the next.
struct CalcExample {
    CalcTask task = CalcTask::LiquidDensity;
    std::optional<int> asked;      // the variant; none for "2d", "3a", "3b", "5b"
    int assignmentLine = 0;        // line of the assignment texts
    int tableRow = 0;              // the example's row of the table, 0 for none
    int tableRows = 0;             // rows of the table highlight, 0 without a table
    int shownRow = 0;              // row highlighted now, 0 when the pupil must find it
    int fillLevel = 0;             // ml in the cylinder when first drawn
    std::array<AnswerBox, 6> boxes;
    std::array<QString, 2> startBoxes;   // `TStart`: hours and minutes ("1d"), volts and watts ("5b")
    std::array<QString, 2> finishBoxes;  // `TCil`: hours and minutes
    std::array<int, 2> startHintLines{};   // tool tips of `TStart`, 0 for none
    std::array<int, 2> finishHintLines{};  // tool tips of `TCil`, 0 for none
    ExampleValues values;

    // The pupil answers by marking a table row.
    bool tableActive() const { return tableRows > 0 && shownRow == 0; }
};

// The appliance plate of "5b" around the two `TStart` boxes.
inline constexpr char16_t kAppliancePlate[] = u"         V/            W";

} // namespace orbeta
