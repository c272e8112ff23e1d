// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>
#include <optional>

namespace orbeta {

// The sixteen calculation tasks; the comment gives the task code that the
// menu, the data files and the command line use.
enum class CalcTask : std::uint8_t {
    LiquidDensity,     // "1a"
    SolidDensity,      // "1b"
    UniformMotion,     // "1c"
    NonUniformMotion,  // "1d"
    LiquidPressure,    // "2a"
    MechanicalWork,    // "2b"
    WinchPower,        // "2c"
    WinchEnergy,       // "2d"
    Lever,             // "2e"
    Heat,              // "3a"
    Melting,           // "3b"
    OhmsLaw,           // "5a"
    ElectricEnergy,    // "5b"
    ElectricPower,     // "5c"
    SeriesResistors,   // "5d"
    ParallelResistors, // "5e"
};

inline constexpr std::array<CalcTask, 16> kAllCalcTasks = {
    CalcTask::LiquidDensity,  CalcTask::SolidDensity,    CalcTask::UniformMotion,
    CalcTask::NonUniformMotion, CalcTask::LiquidPressure, CalcTask::MechanicalWork,
    CalcTask::WinchPower,     CalcTask::WinchEnergy,     CalcTask::Lever,
    CalcTask::Heat,           CalcTask::Melting,         CalcTask::OhmsLaw,
    CalcTask::ElectricEnergy, CalcTask::ElectricPower,   CalcTask::SeriesResistors,
    CalcTask::ParallelResistors,
};

QString calcTaskCode(CalcTask task);
std::optional<CalcTask> calcTaskFromCode(QStringView code);
// The rows of the task's table on the form, 0 for a task without a table.
int calcTaskTableRows(CalcTask task);
// How many variants the task draws the asked quantity from; 1 for a task
// that always asks the same.
int calcTaskVariants(CalcTask task);
// The task's own data table ("1a.dat"), empty for none.
QString calcTaskTableFile(CalcTask task);

} // namespace orbeta
