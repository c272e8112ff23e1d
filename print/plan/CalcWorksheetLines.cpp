// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/plan/CalcWorksheetLines.h"

#include "calc/basics/NumberText.h"
#include "calc/basics/QuantityTable.h"
#include "calc/basics/RandomSource.h"
#include "calc/rules/GenerateExample.h"
#include "calc/rules/LeverTask.h"
#include "calc/rules/TaskQuantities.h"
#include "formats/SiglaText.h"

#include <QStringList>

#include <algorithm>

namespace orbeta::print {
namespace {

// A printed quantity: its name in the task's quantity table and the
// decimals of its given value. The key writes an asked value with the
// decimals of the screen's solution instead.
struct SheetQuantity {
    const char* name = nullptr;
    int decimals = 0;
};

struct TaskSheet {
    CalcTask task;
    CalcSlotColumns columns;
    std::array<SheetQuantity, 7> quantities;  // up to the first without a name
    std::array<int, 7> offsetsMm;
};

// Decimals follow the printed sheets the teachers know; a value that has
// more decimals than that (the body's mass of "1b", the pressure of "2a",
// the voltage of "5e") keeps them, so that the given numbers still add up.
// "1d" and "5b" print their time as one line of hours and minutes; "5b"
// gives the appliance's power, which the screen shows on the plate. A density
// asked offers four rows under its heading: they end above the next
// example's number, which stands up to 20 mm above the next slot.
constexpr std::array<TaskSheet, 16> kSheets = {{
    {CalcTask::LiquidDensity, {0, 120}, {{{"m1", 2}, {"m2", 2}, {"V", 0}, {"rho", 3}}}, {2, 9, 16, 23}},
    {CalcTask::SolidDensity, {0, 120}, {{{"m", 1}, {"V1", 0}, {"V2", 0}, {"rho", 2}}}, {2, 9, 16, 23}},
    {CalcTask::UniformMotion, {0, 120}, {{{"v", 1}, {"s", 2}, {"t", 1}}}, {8, 16, 24}},
    {CalcTask::NonUniformMotion, {0, 120}, {{{"v", 1}, {"s1", 2}, {"s2", 2}, {"t", 0}}}, {8, 16, 24, 32}},
    {CalcTask::LiquidPressure, {0, 100}, {{{"m", 1}, {"S", 1}, {"P", 1}}}, {2, 10, 18}},
    {CalcTask::MechanicalWork, {0, 100}, {{{"F", 0}, {"s", 1}, {"t", 1}, {"W", 0}}}, {2, 10, 18, 26}},
    {CalcTask::WinchPower, {0, 100}, {{{"W", 0}, {"P", 0}, {"s", 1}, {"t", 1}}}, {2, 10, 18, 26}},
    {CalcTask::WinchEnergy, {0, 100}, {{{"m", 0}, {"h", 1}, {"t", 1}, {"W", 0}, {"P", 0}}}, {2, 10, 18, 26, 34}},
    {CalcTask::Lever, {10, 130}, {}, {2}},
    {CalcTask::Heat, {0, 100}, {{{"m", 1}, {"t1", 0}, {"t2", 0}, {"c", 3}, {"Q", 3}}}, {2, 10, 18, 26, 34}},
    {CalcTask::Melting,
     {0, 100},
     {{{"m", 1}, {"t1", 0}, {"t2", 0}, {"c1", 2}, {"c2", 2}, {"l", 0}, {"Q", 3}}},
     {2, 9, 16, 23, 30, 37, 44}},
    {CalcTask::OhmsLaw, {0, 120}, {{{"U", 0}, {"I", 1}, {"R", 0}}}, {2, 10, 18}},
    {CalcTask::ElectricEnergy, {10, 130}, {{{"P", 0}, {"t", 0}, {"E", 1}}}, {2, 10, 18}},
    {CalcTask::ElectricPower, {20, 130}, {{{"U", 0}, {"I", 1}, {"P", 0}}}, {2, 10, 18}},
    {CalcTask::SeriesResistors,
     {10, 130},
     {{{"U1", 0}, {"U2", 0}, {"I", 1}, {"R1", 0}, {"R2", 0}}},
     {2, 10, 18, 26, 34}},
    {CalcTask::ParallelResistors,
     {10, 130},
     {{{"U", 1}, {"I1", 1}, {"I2", 1}, {"I", 1}, {"R1", 0}, {"R2", 0}}},
     {2, 10, 18, 26, 34, 42}},
}};

constexpr int kRowStepMm = 5;
constexpr int kRowIndentMm = 5;
constexpr int kAssignmentStepMm = 6;
const QString kBlank = QStringLiteral("_________");
const QString kTimeBlank = QStringLiteral("_____");

const TaskSheet& sheetOf(CalcTask task)
{
    const auto found =
        std::find_if(kSheets.begin(), kSheets.end(), [task](const TaskSheet& s) { return s.task == task; });
    Q_ASSERT(found != kSheets.end());
    return *found;
}

QString unicode(std::u16string_view sigla)
{
    return SiglaText::toUnicode(QStringView(sigla));
}

LineFace faceFor(std::u16string_view sigla)
{
    return unicode(sigla) == QStringView(sigla) ? LineFace::Sans : LineFace::Sigla;
}

// The text of a line is set in Sigla when its unit needs Sigla's glyphs.
// Sigla draws some accented letters as indices, so names stay in Sans.
LineFace unitFace(const Quantity& q)
{
    return q.siglaUnit.empty() ? LineFace::Sans : LineFace::Sigla;
}

QString valueText(const Quantity& q, const CalcExample& e, int decimals)
{
    return GroupThousands(QuantityTable::valueText(q.read(e.values), decimals).trimmed());
}

CalcWorksheetLine quantityLine(const Quantity& q, const CalcExample& e, int decimals, bool asked, bool answers)
{
    CalcWorksheetLine line;
    line.symbol = unicode(q.symbol);
    line.symbolFace = faceFor(q.symbol);
    // The total current is set in the face of I₁ and I₂ above it.
    if (e.task == CalcTask::ParallelResistors && q.symbol == u"I")
        line.symbolFace = LineFace::Sigla;
    const LineFace face = unitFace(q);
    const QString unit = QLatin1Char(' ') + unicode(q.unitInSigla());
    if (!asked) {
        line.pieces = {{QStringLiteral(" = ") + valueText(q, e, decimals) + unit, false, face}};
    } else {
        line.kind = LineKind::Asked;
        if (answers)
            line.pieces = {{QStringLiteral(" = "), false, face}, {valueText(q, e, q.decimals), true, face},
                           {unit, false, face}};
        else
            line.pieces = {{QStringLiteral(" = ") + kBlank + unit, false, face}};
    }
    return line;
}

// "t = 1 h 25 min": the travel time of "1d", the running time of "5b".
CalcWorksheetLine timeLine(int hours, int minutes, bool asked, bool answers)
{
    CalcWorksheetLine line;
    line.symbol = QStringLiteral("t");
    if (!asked) {
        line.pieces = {{QStringLiteral(" = %1 h %2 min").arg(hours).arg(minutes)}};
        return line;
    }
    line.kind = LineKind::Asked;
    if (answers)
        line.pieces = {{QStringLiteral(" = ")},
                       {QString::number(hours), true},
                       {QStringLiteral(" h ")},
                       {QString::number(minutes), true},
                       {QStringLiteral(" min")}};
    else
        line.pieces = {{QStringLiteral(" = ") + kTimeBlank + QStringLiteral(" h ") + kTimeBlank
                        + QStringLiteral(" min")}};
    return line;
}

// "1d" asks one of the two roads: the one whose box the screen leaves empty.
bool askedIn(const Quantity& q, const CalcExample& e)
{
    if (e.task != CalcTask::NonUniformMotion || e.asked != 2)
        return q.askedIn(e);
    const auto& x = valuesOf<NonUniformMotionValues>(e.values);
    const std::string_view name = q.name;
    return (name == "s1" && x.askedCity == x.startCity) || (name == "s2" && x.askedCity == x.targetCity);
}

void addTableRows(std::vector<CalcWorksheetLine>& lines, const Quantity& q, const CalcSheetExample& sheet,
                  const CalcTable& table, const ExampleTable& numbers, int offsetMm, bool answers)
{
    CalcWorksheetLine heading;
    heading.offsetMm = offsetMm;
    heading.symbol = unicode(q.symbol);
    heading.symbolFace = faceFor(q.symbol);
    heading.pieces = {{QStringLiteral(":")}};
    heading.kind = LineKind::Heading;
    lines.push_back(heading);
    const QString unit = QLatin1Char(' ') + unicode(q.unitInSigla());
    for (std::size_t i = 0; i < sheet.offeredRows.size() && sheet.offeredRows[i] != 0; ++i) {
        const int row = sheet.offeredRows[i];
        const QString name = row < int(table.size()) ? table[std::size_t(row)].name.trimmed() : QString();
        const bool right = answers && row == sheet.example.tableRow;
        CalcWorksheetLine line;
        line.offsetMm = offsetMm + kRowStepMm * int(i + 1);
        line.indentMm = kRowIndentMm;
        line.pieces = {{name + QStringLiteral(": "), right},
                       {FormatFixed(numbers.value(row), q.decimals) + unit, right, unitFace(q)}};
        line.kind = right ? LineKind::RightRow : LineKind::TableRow;
        lines.push_back(line);
    }
}

// The assignment of the lever's variant, in the sheet's short lines.
QStringList leverAssignment(const CalcExample& e)
{
    const auto& x = valuesOf<LeverValues>(e.values);
    const bool two = x.count == 2;
    const bool choose = x.offeredCount > 1;
    QStringList lines;
    lines << (two ? QStringLiteral("Zadanie: Na páke je zavesené") : QStringLiteral("Zadanie: Na páke sú zavesené"));
    const QString hanging = two ? QStringLiteral("jedno závažie") : QStringLiteral("dve závažia");
    lines << hanging + (choose ? QStringLiteral(" a ďalej je určená") : QStringLiteral(" a ďalej je dané"));
    if (choose) {
        lines << QStringLiteral("značka, na ktorú je treba");
        if (two)
            lines << QStringLiteral("umiestniť druhé závažie.") << QStringLiteral("Zvoľ správne závažie z troch");
        else
            lines << QStringLiteral("umiestniť tretie závažie. Zvoľ") << QStringLiteral("správne závažie z troch");
        lines << QStringLiteral("ponúkaných a umiestni ho") << QStringLiteral("na značku tak, aby páka")
              << QStringLiteral("bola v rovnováhe.");
    } else {
        lines << QStringLiteral("jedno voľné závažie. Umiestni") << QStringLiteral("toto závažie na páku tak,")
              << QStringLiteral("aby páka bola v rovnováhe.");
    }
    return lines;
}

std::vector<CalcWorksheetLine> leverLines(const CalcExample& e, bool answers)
{
    std::vector<CalcWorksheetLine> lines;
    int offset = sheetOf(CalcTask::Lever).offsetsMm[0];
    for (const QString& text : leverAssignment(e)) {
        CalcWorksheetLine line;
        line.offsetMm = offset;
        line.pieces = {{text}};
        line.kind = LineKind::Assignment;
        lines.push_back(line);
        offset += kAssignmentStepMm;
    }
    if (answers) {
        // "závažie 12 N na značku 3 vpravo", the second line of the screen's solution.
        const QString where = LeverTask::solution(e).section(QLatin1Char('\n'), 1, 1);
        CalcWorksheetLine line;
        line.offsetMm = offset + 2;
        line.pieces = {{where, true}};
        line.kind = LineKind::Solution;
        lines.push_back(line);
    }
    return lines;
}

} // namespace

QString CalcWorksheetLine::text() const
{
    QString all;
    for (const LinePiece& piece : pieces)
        all += piece.text;
    return all;
}

CalcSheetExample CalcWorksheetLines::example(CalcTask task, const ExampleTable& numbers, std::uint64_t seed)
{
    RandomSource rnd(seed);
    CalcSheetExample sheet{GenerateExample(task, numbers, rnd), {}};
    const CalcExample& e = sheet.example;
    const bool material = task == CalcTask::LiquidDensity || task == CalcTask::SolidDensity;
    if (!material || !e.tableActive())
        return sheet;
    const int rows = std::min(e.tableRows, numbers.rows());
    std::vector<int> offered;
    const std::size_t others = std::size_t(std::clamp(rows - 1, 0, int(sheet.offeredRows.size()) - 1));
    while (offered.size() < others) {
        const int row = rnd.IntRnd(rows, 1);
        if (row != e.tableRow && std::find(offered.begin(), offered.end(), row) == offered.end())
            offered.push_back(row);
    }
    offered.insert(offered.begin() + (rnd.IntRnd(int(others) + 1, 1) - 1), e.tableRow);
    std::copy(offered.begin(), offered.end(), sheet.offeredRows.begin());
    return sheet;
}

CalcSlotColumns CalcWorksheetLines::columns(CalcTask task)
{
    return sheetOf(task).columns;
}

std::vector<CalcWorksheetLine> CalcWorksheetLines::lines(const CalcSheetExample& sheet, const CalcTable& table,
                                                         const ExampleTable& numbers, bool answers)
{
    const CalcExample& e = sheet.example;
    if (e.task == CalcTask::Lever)
        return leverLines(e, answers);
    const TaskSheet& layout = sheetOf(e.task);
    const auto quantities = TaskQuantities::of(e.task);
    std::vector<CalcWorksheetLine> lines;
    for (std::size_t i = 0; i < layout.quantities.size() && layout.quantities[i].name; ++i) {
        const Quantity& q = QuantityTable::named(quantities, layout.quantities[i].name);
        const bool asked = askedIn(q, e);
        const int offset = layout.offsetsMm[i];
        if (asked && q.inTable && sheet.offersRows()) {
            addTableRows(lines, q, sheet, table, numbers, offset, answers);
            continue;
        }
        CalcWorksheetLine line;
        if (const auto* x = std::get_if<NonUniformMotionValues>(&e.values); x && q.name == std::string_view("t"))
            line = timeLine(x->hours(), x->minutes(), asked, answers);
        else if (const auto* y = std::get_if<ElectricEnergyValues>(&e.values); y && q.name == std::string_view("t"))
            line = timeLine(y->hours, y->minutes, asked, answers);
        else
            line = quantityLine(q, e, layout.quantities[i].decimals, asked, answers);
        line.offsetMm = offset;
        lines.push_back(line);
    }
    return lines;
}

} // namespace orbeta::print
