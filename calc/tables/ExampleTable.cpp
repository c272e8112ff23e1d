// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/tables/ExampleTable.h"

#include "calc/tables/TableFile.h"
#include "formats/SlovakCount.h"

namespace orbeta {
namespace {

// Which numbers keep the examples of a task sound.
struct NumberRule {
    double below = 0;   // every number lies in (0, below)
    int decimals = 0;   // and has at most this many decimals
    const char* why = "";
};

// The rule of a task's table row; `below` 0 for a row that holds no number
// the examples use (the headings of the second table of "3b").
NumberRule numberRule(CalcTask task, int row)
{
    switch (task) {
    case CalcTask::LiquidDensity:
        // m1 + V × ρ < 1000 g must be reachable with m1 = 100 g and V = 50 ml,
        // and m2 (V in tens of millilitres) keeps two decimals.
        return {18, 3, "hustota kvapaliny musí byť kladná, menšia ako 18 a mať najviac 3 desatinné miesta"};
    case CalcTask::SolidDensity:
        return {100, 2, "hustota telesa musí byť kladná, menšia ako 100 a mať najviac 2 desatinné miesta"};
    case CalcTask::Heat:
        // Q = c × m × (t2 − t1) needs examples with at most three decimals.
        return {100, 3, "merná tepelná kapacita musí byť kladná, menšia ako 100 a mať najviac 3 desatinné miesta"};
    case CalcTask::Melting:
        // Q = m × (c1 × (0 − t1) + l + c2 × t2) with whole m and t keeps two
        // decimals, and stays below 10 000 kJ, the widest the answer box takes
        // (m ≤ 9, −t1 ≤ 15, t2 ≤ 20). The form and the key print l whole.
        if (row == ExampleTable::kMeltingHeatRow)
            return {700, 0, "merné skupenské teplo topenia musí byť kladné celé číslo menšie ako 700"};
        if (row == ExampleTable::kMeltingHeatRow - 1)
            return {};
        return {10, 2, "merná tepelná kapacita musí byť kladná, menšia ako 10 a mať najviac 2 desatinné miesta"};
    default:
        return {};
    }
}

// The tables in which the pupil answers by marking a row: two rows with the
// same number would make the row judged wrong though it shows the right one.
bool numbersDistinct(CalcTask task)
{
    return task == CalcTask::LiquidDensity || task == CalcTask::SolidDensity;
}

// Counted on the trimmed text: the comma's place and the length must come
// from the same text, or leading blanks hide decimals.
int decimalsOf(const QString& number)
{
    const QString digits = number.trimmed();
    const qsizetype comma = digits.indexOf(QLatin1Char(','));
    return comma < 0 ? 0 : int(digits.size() - comma - 1);
}

} // namespace

QString ExampleTable::fileName(CalcTask task)
{
    return rowsNeeded(task) > 0 ? calcTaskTableFile(task) : QString();
}

int ExampleTable::rowsNeeded(CalcTask task)
{
    // The tables of numbers, one value per row of the form's table; "3b"
    // has its second table's headings and its one row below the first.
    if (task == CalcTask::Melting)
        return kMeltingHeatRow;
    return numberRule(task, 1).below > 0 ? calcTaskTableRows(task) : 0;
}

TableNeeds ExampleTable::needs(CalcTask task)
{
    return TableNeeds{rowsNeeded(task), true, task == CalcTask::Melting ? kMeltingHeatRow - 1 : 0};
}

FileResult<ExampleTable> ExampleTable::fromCalcTable(CalcTask task, const CalcTable& table,
                                                     const QString& fileName)
{
    const int rows = rowsNeeded(task);
    if (int(table.size()) < rows + 1)
        return FileError{fileName, int(table.size()) + 1,
                         QStringLiteral("chýba riadok; tabuľka potrebuje nadpisy a %1.")
                             .arg(SlovakCount::of(rows, u"riadok", u"riadky", u"riadkov"))};
    std::vector<double> values(static_cast<std::size_t>(rows) + 1, 0.0);
    for (int row = 1; row <= rows; ++row) {
        const NumberRule rule = numberRule(task, row);
        if (rule.below <= 0)
            continue;
        const QString& text = table[static_cast<std::size_t>(row)].secondValue;
        const std::optional<double> number = ParseTableNumber(text);
        if (!number)
            return FileError{fileName, row + 1, QStringLiteral("„%1“ nie je číslo.").arg(text)};
        if (!(*number > 0 && *number < rule.below) || decimalsOf(text) > rule.decimals)
            return FileError{fileName, row + 1,
                             QStringLiteral("„%1“: %2.").arg(text, QString::fromUtf8(rule.why))};
        if (numbersDistinct(task))
            for (int earlier = 1; earlier < row; ++earlier)
                if (values[static_cast<std::size_t>(earlier)] == *number)
                    return FileError{fileName, row + 1,
                                     QStringLiteral("„%1“ je už v riadku %2; žiak označuje riadok podľa čísla, "
                                                    "preto musia byť čísla rôzne.")
                                         .arg(text)
                                         .arg(earlier + 1)};
        values[static_cast<std::size_t>(row)] = *number;
    }
    return ExampleTable(std::move(values));
}

} // namespace orbeta
