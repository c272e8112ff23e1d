// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/plan/CalcWorksheetLines.h"

#include "calc/basics/QuantityTable.h"
#include "calc/basics/RandomSource.h"
#include "calc/data/CalcTaskFiles.h"
#include "calc/grading/SolutionText.h"
#include "calc/rules/GenerateExample.h"
#include "calc/rules/TaskQuantities.h"
#include "formats/SiglaText.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <cmath>
#include <algorithm>
#include <set>

namespace orbeta::print {
namespace {

constexpr std::uint64_t kSeeds = 150;

// The task's table and numbers as installed.
CalcTaskFiles installedData(CalcTask task)
{
    const auto files = CalcTaskFiles::read(task, qEnvironmentVariable("ORBETA_BUILD_DIR") + QStringLiteral("/hd/"));
    EXPECT_TRUE(files.ok()) << files.error().message().toStdString();
    return files ? files.value() : CalcTaskFiles{};
}

// "12,5" out of " = 12,5 g" or " = 1 h 25 min" (in minutes).
double number(const QString& text)
{
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() >= 5 && words[2] == QLatin1String("h"))
        return words[1].toDouble() * 60 + words[3].toDouble();
    // Thousands are grouped by no-break spaces ("6 000").
    return words.value(1).remove(QChar(0x00A0)).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
}

const Quantity* quantityOf(CalcTask task, const QString& symbol)
{
    for (const Quantity& q : TaskQuantities::of(task))
        if (!q.symbol.empty() && SiglaText::toUnicode(QStringView(q.symbol)) == symbol)
            return &q;
    return nullptr;
}

double valueOf(const Quantity& q, const CalcExample& e)
{
    const Reading r = q.read(e.values);
    if (const int* whole = std::get_if<int>(&r))
        return *whole;
    if (const float* single = std::get_if<float>(&r))
        return *single;
    return std::nan("");
}

// Whether the screen leaves the quantity for the pupil: its box starts
// empty, or its table row is to be marked.
bool askedOnScreen(const CalcExample& e, const Quantity& q)
{
    const std::string_view name = q.name;
    if (e.task == CalcTask::NonUniformMotion) {
        const auto& x = std::get<NonUniformMotionValues>(e.values);
        if (name == "s1")
            return e.boxes[std::size_t(x.startCity - 1)].text.isEmpty();
        if (name == "s2")
            return e.boxes[std::size_t(x.targetCity - 1)].text.isEmpty();
        if (name == "t")
            return e.finishBoxes[0].isEmpty();
    }
    if (q.inTable)
        return e.tableActive();
    return q.box > 0 && e.boxes[std::size_t(q.box - 1)].text.isEmpty();
}

TEST(CalcWorksheetLines, ExampleIsTheCommandLinesExampleOfThatSeed)
{
    for (CalcTask task : kAllCalcTasks) {
        const CalcTaskFiles data = installedData(task);
        for (std::uint64_t seed : {0ull, 41ull, 12345678901ull}) {
            RandomSource rnd(seed);
            const CalcExample expected = GenerateExample(task, data.numbers, rnd);
            const CalcExample e = CalcWorksheetLines::example(task, data.numbers, seed).example;
            EXPECT_EQ(e.asked, expected.asked);
            EXPECT_EQ(e.assignmentLine, expected.assignmentLine);
            EXPECT_EQ(SolutionText(e), SolutionText(expected));
            for (std::size_t i = 0; i < e.boxes.size(); ++i)
                EXPECT_EQ(e.boxes[i].text, expected.boxes[i].text);
        }
    }
}

// Every printed quantity is the task's; exactly the ones the screen asks are
// blank; given numbers and the key's answers are the example's values, none
// rounded away.
TEST(CalcWorksheetLines, LinesGiveTheValuesAndLeaveTheAskedBlank)
{
    for (CalcTask task : kAllCalcTasks) {
        if (task == CalcTask::Lever)
            continue;
        SCOPED_TRACE(calcTaskCode(task).toStdString());
        const CalcTaskFiles data = installedData(task);
        for (std::uint64_t seed = 0; seed < kSeeds; ++seed) {
            const CalcSheetExample sheet = CalcWorksheetLines::example(task, data.numbers, seed);
            const CalcExample& e = sheet.example;
            const auto blank = CalcWorksheetLines::lines(sheet, data.table, data.numbers, false);
            const auto key = CalcWorksheetLines::lines(sheet, data.table, data.numbers, true);
            ASSERT_EQ(blank.size(), key.size());
            int asked = 0;
            for (std::size_t i = 0; i < key.size(); ++i) {
                if (key[i].symbol.isEmpty())
                    continue;
                SCOPED_TRACE(key[i].symbol.toStdString() + key[i].text().toStdString());
                const Quantity* q = quantityOf(task, key[i].symbol);
                ASSERT_NE(q, nullptr);
                EXPECT_EQ(blank[i].symbol, key[i].symbol);
                const bool isAsked = key[i].kind == LineKind::Asked || key[i].kind == LineKind::Heading;
                EXPECT_EQ(isAsked, askedOnScreen(e, *q));
                asked += isAsked;
                if (key[i].kind == LineKind::Heading)
                    continue;
                EXPECT_EQ(blank[i].text().contains(QLatin1String("_____")), isAsked);
                EXPECT_NEAR(number(key[i].text()), valueOf(*q, e), 1e-3);
                // A given value prints with the decimals its box shows; the piston's
                // area of "2a" and the track of "2b" keep the decimal of the sheets
                // the teachers know.
                if (!isAsked && q->box > 0) {
                    const auto decimals = [](const QString& text) { return text.section(QLatin1Char(','), 1).size(); };
                    const QString printed = key[i].text().split(QLatin1Char(' '), Qt::SkipEmptyParts).value(1);
                    const QString shown = QuantityTable::valueText(q->read(e.values), q->decimals).trimmed();
                    const std::string_view name = q->name;
                    const bool sheets = (task == CalcTask::LiquidPressure && name == "S")
                                        || (task == CalcTask::MechanicalWork && name == "s");
                    EXPECT_EQ(decimals(printed), decimals(shown) + (sheets ? 1 : 0)) << shown.toStdString();
                }
                bool red = false;
                for (const LinePiece& piece : key[i].pieces)
                    red = red || piece.answer;
                EXPECT_EQ(red, isAsked);
            }
            EXPECT_GE(asked, 1);
            // Without table rows a slot's lines stand one even step apart.
            if (!sheet.offersRows()) {
                for (std::size_t i = 2; i < key.size(); ++i)
                    EXPECT_EQ(key[i].offsetMm - key[i - 1].offsetMm, key[1].offsetMm - key[0].offsetMm) << i;
            }
        }
    }
}

TEST(CalcWorksheetLines, MarkedMaterialIsOneOfFourRowsAndOnlyTheKeyMarksIt)
{
    for (CalcTask task : {CalcTask::LiquidDensity, CalcTask::SolidDensity}) {
        const CalcTaskFiles data = installedData(task);
        for (std::uint64_t seed = 0; seed < kSeeds; ++seed) {
            const CalcSheetExample sheet = CalcWorksheetLines::example(task, data.numbers, seed);
            const auto blank = CalcWorksheetLines::lines(sheet, data.table, data.numbers, false);
            const auto key = CalcWorksheetLines::lines(sheet, data.table, data.numbers, true);
            const auto count = [](const auto& lines, LineKind kind) {
                return std::count_if(lines.begin(), lines.end(), [kind](const auto& l) { return l.kind == kind; });
            };
            const bool table = sheet.example.tableActive();
            EXPECT_EQ(sheet.offersRows(), table);
            EXPECT_EQ(blank.size(), table ? 8u : 4u);
            EXPECT_EQ(count(blank, LineKind::TableRow), table ? 4 : 0);
            EXPECT_EQ(count(blank, LineKind::RightRow), 0);
            EXPECT_EQ(count(key, LineKind::RightRow), table ? 1 : 0);
            if (!table)
                continue;
            // The rows stand under their heading, one below the other.
            for (std::size_t i = 1; i < key.size(); ++i)
                if (key[i].kind == LineKind::TableRow || key[i].kind == LineKind::RightRow) {
                    EXPECT_GT(key[i].offsetMm, key[i - 1].offsetMm + 2) << key[i].text().toStdString();
                }
            std::set<int> rows(sheet.offeredRows.begin(), sheet.offeredRows.end());
            EXPECT_EQ(rows.size(), 4u);
            EXPECT_TRUE(rows.contains(sheet.example.tableRow));
            const auto right = std::find_if(key.begin(), key.end(), [](const auto& l) { return l.kind == LineKind::RightRow; });
            EXPECT_TRUE(right->text().startsWith(data.table[std::size_t(sheet.example.tableRow)].name.trimmed()));
        }
    }
}

TEST(CalcWorksheetLines, MeltingPrintsSevenLinesThreeOfThemFixed)
{
    const CalcTaskFiles data = installedData(CalcTask::Melting);
    const auto textsOf = [&data](std::uint64_t seed) {
        QStringList texts;
        for (const CalcWorksheetLine& line : CalcWorksheetLines::lines(
                 CalcWorksheetLines::example(CalcTask::Melting, data.numbers, seed), data.table, data.numbers, true))
            texts << line.symbol + line.text();
        return texts;
    };
    QStringList fixed = textsOf(0);
    ASSERT_EQ(fixed.size(), 7);
    for (std::uint64_t seed = 1; seed < 30; ++seed) {
        const QStringList texts = textsOf(seed);
        ASSERT_EQ(texts.size(), 7);
        fixed.removeIf([&texts](const QString& text) { return !texts.contains(text); });
    }
    EXPECT_EQ(fixed.join(QLatin1Char('|')).toStdString(),
              "c₁ = 2,09 kJ·kg⁻¹·°C⁻¹|c₂ = 4,18 kJ·kg⁻¹·°C⁻¹|l = 334 kJ·kg⁻¹");
}

// The lever's key says which weight goes on which mark; the blank sheet
// leaves it to the pupil.
TEST(CalcWorksheetLines, LeverKeySaysWhereTheWeightGoes)
{
    const CalcTaskFiles data = installedData(CalcTask::Lever);
    for (std::uint64_t seed = 0; seed < 20; ++seed) {
        const CalcSheetExample sheet = CalcWorksheetLines::example(CalcTask::Lever, data.numbers, seed);
        const auto& x = std::get<LeverValues>(sheet.example.values);
        const auto blank = CalcWorksheetLines::lines(sheet, data.table, data.numbers, false);
        const auto key = CalcWorksheetLines::lines(sheet, data.table, data.numbers, true);
        ASSERT_EQ(key.size(), blank.size() + 1);
        EXPECT_TRUE(key.back().text().contains(
            QStringLiteral("%1 N na značku %2").arg(x.placedWeight()).arg(std::abs(x.placedMark()))))
            << key.back().text().toStdString();
        EXPECT_TRUE(key.back().pieces.front().answer);
    }
}

// Sigla draws some accented letters as indices: only symbols and units may
// be set in it, never a word.
TEST(CalcWorksheetLines, NoWordIsSetInSigla)
{
    for (CalcTask task : kAllCalcTasks) {
        const CalcTaskFiles data = installedData(task);
        for (std::uint64_t seed = 0; seed < 40; ++seed) {
            const CalcSheetExample sheet = CalcWorksheetLines::example(task, data.numbers, seed);
            for (const CalcWorksheetLine& line : CalcWorksheetLines::lines(sheet, data.table, data.numbers, true)) {
                // A symbol with an index or a Greek letter needs Sigla's glyphs.
                if (std::any_of(line.symbol.begin(), line.symbol.end(), [](QChar c) { return c.unicode() > 0xFF; })) {
                    EXPECT_EQ(line.symbolFace, LineFace::Sigla) << line.symbol.toStdString();
                }
                for (const LinePiece& piece : line.pieces) {
                    if (piece.face == LineFace::Sigla) {
                        EXPECT_EQ(SiglaText::toUnicode(piece.text), piece.text) << piece.text.toStdString();
                    }
                }
            }
        }
    }
}

} // namespace
} // namespace orbeta::print
