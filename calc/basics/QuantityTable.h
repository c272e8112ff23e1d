// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/basics/CalcExample.h"
#include "calc/basics/Quantity.h"

#include <QString>
#include <array>
#include <span>
#include <string_view>

namespace orbeta {

struct CalcAnswer;

// What follows from a task's table of quantities: the answer boxes of a new
// example, the check of the boxes and table row, the usual solution lines.
// Each family describes its examples through its own table, so this knows no
// task; the example passed must be one of that table's task.
class QuantityTable {
public:
    // The quantity of that name; the table must have it.
    static const Quantity& named(std::span<const Quantity> table, std::string_view name);

    // Every quantity with a box: the box used, with its unit and tool tip;
    // empty when the quantity is asked in the example's variant, else its
    // given text. The example's values and variant must be set.
    static void fillBoxes(std::span<const Quantity> table, CalcExample& example);

    // Whether every asked quantity is answered right: one with a box by the
    // value in its box, one of the table by the marked row. An asked quantity
    // with neither has a rule of its own task, so it is never right here.
    static bool askedAreRight(std::span<const Quantity> table, const CalcExample& example, const CalcAnswer& answer);
    // Whether every box holds its quantity's value.
    static bool allBoxesAreRight(std::span<const Quantity> table, const CalcExample& example,
                                 const CalcAnswer& answer);

    // Per answer box 1 to 6: the widest text it shows or takes (the given
    // value, the answer, the experiment's readings) over the generator's
    // ranges; kUsualWidest for a box the table does not use.
    static std::array<QString, 6> widestTexts(std::span<const Quantity> table);
    // The answer boxes 1 to 6 in the order a pupil reads them: those of the
    // table's quantities in the order of its legend (the order of the table),
    // then the others by number.
    static std::array<int, 6> boxesInLegendOrder(std::span<const Quantity> table);

    // "Label: value unit" for each asked quantity, in the order of their boxes.
    static QString solutionLines(std::span<const Quantity> table, const CalcExample& example);

    // The value as a solution line writes it.
    static QString valueText(const Reading& value, int decimals);
};

} // namespace orbeta
