// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/basics/CalcExample.h"
#include "calc/basics/CalcTable.h"
#include "calc/basics/Quantity.h"
#include "calc/basics/RandomSource.h"
#include "formats/FileError.h"

#include <QString>
#include <array>
#include <optional>

namespace orbeta {

struct CalcAnswer;

// The moving vehicles: uniform motion on the track ("1c") and the car
// driving from city to city through E on the map ("1d").
class MotionTasks {
public:
    static const std::array<Quantity, 3> uniformQuantities;
    static const std::array<Quantity, 11> nonUniformQuantities;

    static void generateUniform(CalcExample& e, RandomSource& rnd);
    static void generateNonUniform(CalcExample& e, RandomSource& rnd);

    // "1d" answers its roads (variant 2) and arrival time (variant 3) in
    // boxes of its own.
    static bool checkNonUniform(const CalcExample& e, const CalcAnswer& a);
    static QString nonUniformSolution(const CalcExample& e);

    // The speeds generateNonUniform draws for the vehicles of rows 1 to 3.
    static constexpr int kSlowestDrawn = 48;
    static constexpr int kFastestDrawn = 65;
    // "1d.dat": a vehicle below row 3 keeps the speed its file gives, and the
    // pupil who marks it is judged by that row. A speed that is no whole
    // number, or one the drawn vehicle could have, is an error naming the line.
    static std::optional<FileError> vehicleTableProblem(const CalcTable& table, const QString& fileName);
};

} // namespace orbeta
