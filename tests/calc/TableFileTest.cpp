// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/tables/TableFile.h"

#include "calc/tables/ExampleTable.h"
#include "calc/rules/MotionTasks.h"
#include "calc/tables/ShownTable.h"

#include "formats/LineCodec.h"

#include <gtest/gtest.h>

using namespace orbeta;

namespace {

QByteArray storedFile(const QStringList& lines)
{
    return LineCodec::encodeFile(lines, 5);
}

} // namespace

TEST(ReadTableFile, SplitsDecodedLinesIntoRowsAndFields)
{
    const auto result = ReadTableFile(storedFile({"Kvapalina#kg/mĂ#g/cmĂ", "voda#1 000#1,00#poznámka",
                                                  "bez stĺpcov", "##0,5"}),
                                      "1a.dat");
    ASSERT_TRUE(result.ok()) << result.error().message().toStdString();
    const CalcTable& table = result.value();
    ASSERT_EQ(table.size(), 4u);
    EXPECT_EQ(table[0].firstValue, QStringLiteral("kg/mĂ"));
    EXPECT_EQ(table[1].name, QStringLiteral("voda"));
    EXPECT_EQ(table[1].secondValue, QStringLiteral("1,00"));
    EXPECT_EQ(table[2].name, QStringLiteral("bez stĺpcov"));
    EXPECT_TRUE(table[2].firstValue.isEmpty());
    EXPECT_TRUE(table[3].name.isEmpty());
    EXPECT_EQ(table[3].secondValue, QStringLiteral("0,5"));
}

TEST(ReadTableFile, ShortPhysicalLineIsAnEmptyRow)
{
    const auto result = ReadTableFile("abcH\r\nxy\r\nabcV\r\n", "t.dat");
    ASSERT_TRUE(result.ok());
    ASSERT_EQ(result.value().size(), 3u);
    EXPECT_TRUE(result.value()[1].name.isEmpty());
    EXPECT_EQ(result.value()[2].name, QStringLiteral("V"));
}

TEST(ReadTableFile, TooManyLinesNamesTheFirstExtraLine)
{
    QStringList lines;
    for (int i = 0; i < 12; ++i)
        lines << QStringLiteral("riadok %1#1#1,0").arg(i);
    EXPECT_TRUE(ReadTableFile(storedFile(lines.mid(0, 11)), "1b.dat").ok());
    const auto result = ReadTableFile(storedFile(lines), "1b.dat");
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().file, QStringLiteral("1b.dat"));
    EXPECT_EQ(result.error().line, 12);
    EXPECT_TRUE(result.error().message().startsWith(QStringLiteral("Súbor 1b.dat, riadok 12: ")));
}

TEST(ReadTableFile, NeedsCheckRowCountAndNumbers)
{
    const QByteArray bytes = storedFile({"Látka#x#c", "voda#-#4,18", "olej#-#2,0", "ortuť#-#0,14"});
    EXPECT_TRUE(ReadTableFile(bytes, "3a.dat", {3, true}).ok());

    const auto missing = ReadTableFile(bytes, "3a.dat", {5, true});
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().line, 5);

    const auto text = ReadTableFile(storedFile({"h#h#h", "voda#-#4.18"}), "3a.dat", {1, true});
    ASSERT_FALSE(text.ok());
    EXPECT_EQ(text.error().line, 2);
    EXPECT_TRUE(text.error().message().contains(QStringLiteral("4.18")));

    // The headings are never numbers, and without `numbers` nothing is parsed.
    EXPECT_TRUE(ReadTableFile(storedFile({"h#h#h", "auto#x#rýchle"}), "1d.dat", {1, false}).ok());
}

// What a teacher may make of a table through decode, edit and encode: the
// numbers the examples use are refused at start with the line, unless they
// keep the examples sound.
TEST(ExampleTableFromFile, EditedNumbersAreUsedOrRefusedWithTheirLine)
{
    const QStringList melting{"Látka#J.kg¬Á.°C¬Á#kJ.kg¬Á.°C¬Á", "ľad#2 090#2,09", "voda#4 180#4,18",
                              "Látka#J.kg¬Á#kJ.kg¬Á", "ľad#334 000#334"};
    const QStringList liquids{"Kvapalina#kg/mĂ#g/cmĂ", "voda#1 000#1,00", "lieh#789#0,79",   "olej#920#0,92",
                              "mlieko#1 030#1,03",   "ortuť#13 546#13,55", "benzín#700#0,70", "petrolej#800#0,80",
                              "glycerol#1 261#1,26"};
    struct Case {
        CalcTask task;
        QStringList lines;
        int editedLine;       // 1-based, 0 for the file as installed
        const char* edited;
        int refusedLine;      // 0 when the table is used
    };
    const Case cases[] = {
        {CalcTask::Melting, melting, 0, "", 0},
        {CalcTask::Melting, melting, 2, "ľad#9 999#9,99", 0},
        {CalcTask::Melting, melting, 5, "ľad#300 000#300", 0},
        {CalcTask::Melting, melting, 2, "ľad#abc#abc", 2},
        {CalcTask::Melting, melting, 3, "voda#4 180#", 3},
        {CalcTask::Melting, melting, 3, "voda#4 180#-4,18", 3},
        {CalcTask::Melting, melting, 2, "ľad#2 095#2,095", 2},
        {CalcTask::Melting, melting, 5, "ľad#334 500#334,5", 5},
        {CalcTask::Melting, melting, 5, "ľad#abc#abc", 5},
        {CalcTask::Melting, melting.mid(0, 4), 0, "", 5},
        {CalcTask::LiquidDensity, liquids, 0, "", 0},
        {CalcTask::LiquidDensity, liquids, 4, "olej#790#0,79", 4},
        {CalcTask::LiquidDensity, liquids, 3, "lieh#x#x", 3},
    };
    for (const Case& c : cases) {
        QStringList lines = c.lines;
        if (c.editedLine > 0)
            lines[c.editedLine - 1] = QString::fromUtf8(c.edited);
        SCOPED_TRACE(lines.join(QLatin1Char('|')).toStdString());
        const auto rows = ReadTableFile(storedFile(lines), "/hd/x.dat", ExampleTable::needs(c.task));
        const auto numbers = rows ? ExampleTable::fromCalcTable(c.task, rows.value(), "/hd/x.dat")
                                  : FileResult<ExampleTable>(rows.error());
        if (c.refusedLine == 0) {
            ASSERT_TRUE(numbers.ok()) << numbers.error().message().toStdString();
            EXPECT_EQ(numbers.value().rows(), ExampleTable::rowsNeeded(c.task));
        } else {
            ASSERT_FALSE(numbers.ok());
            EXPECT_EQ(numbers.error().line, c.refusedLine);
            EXPECT_TRUE(numbers.error().message().startsWith(QStringLiteral("Súbor /hd/x.dat, riadok ")));
        }
    }
}

// The vehicles of "1d" below row 3 keep their file's speed: one the drawn
// vehicle could have would judge the pupil who marks it wrong.
TEST(VehicleTable, AFixedSpeedMustStayOutsideTheDrawnOnes)
{
    const CalcTable installed{{"Vozidlo", "Počet miest", "km/h"}, {"auto", "3", "50"}, {"autobus", "45", "55"},
                              {"osobné auto", "5", "62"}, {"traktor", "1", "30"}};
    EXPECT_FALSE(MotionTasks::vehicleTableProblem(installed, "1d.dat"));
    for (const char* speed : {"55", "48", "65", "abc", "30,5", ""}) {
        CalcTable edited = installed;
        edited[4].secondValue = QString::fromUtf8(speed);
        const auto problem = MotionTasks::vehicleTableProblem(edited, "/hd/1d.dat");
        ASSERT_TRUE(problem) << speed;
        EXPECT_EQ(problem->line, 5);
    }
    for (const char* speed : {"47", "66", "120"}) {
        CalcTable edited = installed;
        edited[4].secondValue = QString::fromUtf8(speed);
        EXPECT_FALSE(MotionTasks::vehicleTableProblem(edited, "1d.dat")) << speed;
    }
}

TEST(ReadTableFile, EmptyFileIsAnEmptyTableUnlessRowsAreNeeded)
{
    EXPECT_TRUE(ReadTableFile(QByteArray(), "x.dat").value().empty());
    EXPECT_EQ(ReadTableFile(QByteArray(), "x.dat", {1, false}).error().line, 1);
}

TEST(ParseTableNumber, DecimalCommaOnly)
{
    EXPECT_EQ(ParseTableNumber("13,6"), 13.6);
    EXPECT_EQ(ParseTableNumber(" 334 "), 334.0);
    EXPECT_EQ(ParseTableNumber("-0,5"), -0.5);
    for (const char* bad : {"", ",", "1,", ",5", "1.5", "1 000", "abc", "1,2,3", "+"})
        EXPECT_FALSE(ParseTableNumber(QString::fromUtf8(bad))) << bad;
}

// "1d" shows the speeds its example drew in the vehicles' rows; another
// task's table stays as its file gives it.
TEST(ShownTable, TheVehiclesOfAnExampleDriveAtItsSpeeds)
{
    const CalcTable table{{"Vozidlo", "", "km/h"}, {"auto", "", "80"}, {"autobus", "", "60"}, {"kamión", "", "50"}};
    CalcExample motion;
    NonUniformMotionValues values;
    values.speeds = {90, 70, 40};
    motion.values = values;
    const CalcTable shown = ShownTable(table, motion);
    ASSERT_EQ(shown.size(), table.size());
    EXPECT_EQ(shown[0].secondValue, QStringLiteral("km/h"));
    EXPECT_EQ(shown[1].secondValue, QStringLiteral("90"));
    EXPECT_EQ(shown[3].secondValue, QStringLiteral("40"));
    EXPECT_EQ(shown[2].name, QStringLiteral("autobus"));
    EXPECT_EQ(ShownTable(table, CalcExample{}).at(1).secondValue, QStringLiteral("80"));
    EXPECT_EQ(ShownTable(CalcTable{{"Vozidlo", "", "km/h"}}, motion).size(), 1u);
}
