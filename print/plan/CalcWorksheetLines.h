// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/basics/CalcExample.h"
#include "calc/basics/CalcTable.h"
#include "calc/tables/ExampleTable.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace orbeta::print {

// The face a piece of a printed line needs: Sigla for the symbols and units
// whose glyphs only it has (indices, ρ, Ω, superscripts).
enum class LineFace { Sans, Sigla };

enum class LineKind {
    Given,       // a quantity or constant the pupil is given
    Asked,       // the pupil finds it: a blank on the sheet, the value on the key
    Heading,     // the asked material's symbol over the table rows
    TableRow,    // a row of the table the pupil marks
    RightRow,    // the key's marked row
    Assignment,  // "2e": a line of the assignment
    Solution,    // "2e": the key's line saying where the weight goes
};

// A run of a line's text; `answer` runs are the key's values.
struct LinePiece {
    QString text;
    bool answer = false;
    LineFace face = LineFace::Sans;
};

// One printed line of a slot: the symbol and, after it, the text.
struct CalcWorksheetLine {
    int offsetMm = 0;   // below the slot's top
    int indentMm = 0;   // right of the text column
    QString symbol;     // Unicode, empty for none
    LineFace symbolFace = LineFace::Sans;
    std::vector<LinePiece> pieces;
    LineKind kind = LineKind::Given;

    QString text() const;
};

// Where a task's slot puts its scene and its text column, in millimetres
// from the paper's left edge.
struct CalcSlotColumns {
    int pictureMm = 0;
    int textMm = 0;
};

// One example of a worksheet and, when the pupil marks the material in the
// table ("1a", "1b"), the four rows offered, the example's row among them.
struct CalcSheetExample {
    CalcExample example;
    std::array<int, 4> offeredRows{};

    bool offersRows() const { return offeredRows[0] != 0; }
};

// What a worksheet slot of a calculation task says: which quantities it
// gives, which it leaves blank and, on the key, their values.
class CalcWorksheetLines {
public:
    // Example `k` of a sheet with seed `s` comes from seed s + k, as
    // `orbeta-cli examples` draws it; the offered rows follow from the same
    // sequence.
    static CalcSheetExample example(CalcTask task, const ExampleTable& numbers, std::uint64_t seed);

    static CalcSlotColumns columns(CalcTask task);

    // `table`: the task's table file (the material names); `answers`: the key.
    static std::vector<CalcWorksheetLine> lines(const CalcSheetExample& sheet, const CalcTable& table,
                                                const ExampleTable& numbers, bool answers);
};

} // namespace orbeta::print
