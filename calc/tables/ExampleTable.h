// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/basics/CalcTable.h"
#include "calc/basics/CalcTask.h"
#include "calc/tables/TableFile.h"
#include "formats/FileResult.h"
#include "formats/FileResult.h"

#include <QString>
#include <vector>

namespace orbeta {

// The numbers that the examples of a task take from its table (the second
// value column): densities for "1a" and "1b", specific heats for "3a".
// Tasks without such a table use an empty one.
class ExampleTable {
public:
    ExampleTable() = default;
    // values[row] for rows 1 to n; values[0] is not used.
    explicit ExampleTable(std::vector<double> values) : m_values(std::move(values)) {}

    // The data file whose numbers the task's examples use, empty for none.
    static QString fileName(CalcTask task);
    static int rowsNeeded(CalcTask task);
    // What ReadTableFile must find in the task's file for fromCalcTable.
    static TableNeeds needs(CalcTask task);

    // "3b": rows 1 and 2 hold the specific heats of ice and water, row 3 the
    // headings of the second table, this row the latent heat of melting.
    static constexpr int kMeltingHeatRow = 4;

    // The task's numbers from a table read by ReadTableFile. A number that
    // would make the task's re-draw rule unsatisfiable, or its solution text
    // inexact, is an error naming the file's line.
    static FileResult<ExampleTable> fromCalcTable(CalcTask task, const CalcTable& table,
                                                  const QString& fileName);

    int rows() const { return m_values.empty() ? 0 : int(m_values.size()) - 1; }
    // 0 for a row the table lacks: the rules core throws nothing, and every
    // table a task uses has its rows (fromCalcTable refuses fewer).
    double value(int row) const
    {
        return row >= 0 && row < int(m_values.size()) ? m_values[static_cast<std::size_t>(row)] : 0.0;
    }

private:
    std::vector<double> m_values;
};

} // namespace orbeta
