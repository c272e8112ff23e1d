// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/basics/CalcTable.h"
#include "formats/FileResult.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace orbeta {

// What the examples of a task take from its table: rows 1 to `rows` must be
// present, and with `numbers` each of them holds a number in its second value
// column (decimal comma).
struct TableNeeds {
    int rows = 0;
    bool numbers = false;
    int headingRow = 0;  // a row among them that holds headings, not a number; 0 for none
};

// The rows of a table file ("1a.dat", "1b.dat", "1d.dat", "3a.dat", "3b.dat"):
// decoded line k is row k - 1, fields split at "#" into the name and the two
// value columns, any further field ignored. `fileName` only names the file in
// errors. A file with more than kMaxCalcTableRows lines, or one that lacks
// what `needs` asks for, is an error naming the line.
FileResult<CalcTable> ReadTableFile(const QByteArray& fileBytes, const QString& fileName,
                                    TableNeeds needs = {});

// A number of a table or a map: optional sign, digits, and for decimals a
// comma followed by digits; surrounding blanks are allowed.
std::optional<double> ParseTableNumber(const QString& text);

} // namespace orbeta
