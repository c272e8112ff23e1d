// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Checks the data tree that the build installs (build/hd): the stored form of
// every text file and the content that the tasks rely on.
#include "calc/tables/MapFile.h"
#include "calc/tables/TableFile.h"
#include "calc/rules/TaskQuantities.h"
#include "formats/Cp1250.h"
#include "formats/LineCodec.h"
#include "formats/MarkTableFile.h"
#include "formats/TextTables.h"
#include "tests/support/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

using namespace orbeta;
using test_support::installedData;

namespace {


QStringList decoded(const QString& name)
{
    return LineCodec::decodedLines(installedData(name));
}

QStringList sourceLines(const QString& name)
{
    QFile file(qEnvironmentVariable("ORBETA_SOURCE_DIR") + QStringLiteral("/data/src/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// The fields after the ignored text before the first "#".
QStringList recordFields(const QString& line)
{
    return LineCodec::splitFields(line).mid(1);
}

std::optional<int> wholeNumber(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// The ten whole numbers after a scene record's picture name; fewer when one is no number.
std::vector<int> sceneNumbers(const QStringList& fields)
{
    std::vector<int> numbers;
    for (int i = 1; i <= 10 && i < fields.size(); ++i)
        if (const auto value = wholeNumber(fields[i]))
            numbers.push_back(*value);
    return numbers;
}

const QStringList kScrambledFiles{"Zadani", "Napoveda", "1a", "1b", "1d", "3a", "3b",
                                  "Mapa1", "4a", "4b", "6a", "6b", "6c"};

} // namespace

TEST(DataTree, EveryFileIsWindows1250WithCrLf)
{
    for (const QString& name : kScrambledFiles + QStringList{"Znamky"}) {
        const QByteArray bytes = installedData(name + ".dat");
        SCOPED_TRACE(name.toStdString());
        ASSERT_FALSE(bytes.isEmpty());
        EXPECT_TRUE(bytes.endsWith("\r\n"));
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\n') {
                ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at byte " << i;
            }
            if (bytes[i] == '\r') {
                ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "bare CR at byte " << i;
            }
        }
        const QString text = Cp1250::decode(bytes);
        EXPECT_FALSE(text.contains(QChar::ReplacementCharacter));
        EXPECT_EQ(Cp1250::encode(text), bytes);
    }
}

TEST(DataTree, ScrambledFilesDecodeToTheirSources)
{
    for (const QString& name : kScrambledFiles) {
        SCOPED_TRACE(name.toStdString());
        const QStringList stored = LineCodec::physicalLines(installedData(name + ".dat"));
        const QStringList lines = decoded(name + ".dat");
        EXPECT_EQ(lines, sourceLines(name + ".txt"));
        for (qsizetype n = 0; n < stored.size(); ++n)
            EXPECT_EQ(stored[n].size(), 4 * lines[n].size()) << "line " << n + 1;
    }
}

TEST(DataTree, AssignmentAndHintTextsArePresent)
{
    const QStringList assignments = decoded("Zadani.dat");
    ASSERT_GE(assignments.size(), TextTables::kAssignmentLinesUsed);
    ASSERT_LE(assignments.size(), 70);
    for (int n = 1; n <= TextTables::kAssignmentLinesUsed; ++n)
        EXPECT_FALSE(LineCodec::splitFields(assignments[n - 1]).value(1).trimmed().isEmpty())
            << "assignment line " << n;

    // The tool tips of the answer boxes, by the lines the quantity tables name.
    const QStringList hints = decoded("Napoveda.dat");
    ASSERT_LE(hints.size(), 70);
    for (CalcTask task : kAllCalcTasks)
        for (const Quantity& q : TaskQuantities::of(task))
            if (q.hintLine > 0) {
                // Start-up refuses a file that lacks one of these lines.
                ASSERT_LE(q.hintLine, TextTables::kHintLinesUsed);
                ASSERT_LE(q.hintLine, hints.size());
                EXPECT_FALSE(hints[q.hintLine - 1].trimmed().isEmpty()) << "hint line " << q.hintLine;
            }
    for (const QString& hint : hints)
        EXPECT_FALSE(hint.contains(QLatin1Char('#')));
}

TEST(DataTree, MarkTableGivesEveryPercentageItsMark)
{
    const FileResult<MarkTable> read = MarkTableFile::parse(installedData("Znamky.dat"), "Znamky.dat");
    ASSERT_TRUE(read.ok()) << read.error().message().toStdString();
    const MarkTable& rows = read.value();
    const auto markFor = [&rows](double percent) {
        int mark = 0;
        for (const MarkRow& row : rows)
            if (row.lower <= percent && percent <= row.upper)
                mark = row.mark;
        return mark;
    };
    const auto intended = [](double percent) {
        return percent >= 90 ? 1 : percent >= 75 ? 2 : percent >= 50 ? 3 : percent >= 30 ? 4 : 5;
    };
    for (int total = 1; total <= 255; ++total)
        for (int correct = 0; correct <= total; ++correct) {
            const double percent = double(correct) / total * 100;
            ASSERT_EQ(markFor(percent), intended(percent)) << correct << " of " << total;
        }
    for (int hundredths = 0; hundredths <= 10000; ++hundredths)
        ASSERT_EQ(markFor(hundredths / 100.0), intended(hundredths / 100.0)) << hundredths;
    EXPECT_EQ(markFor(200.0 / 3), 3);
}

namespace {

CalcTable readTable(const QString& name, TableNeeds needs)
{
    const auto result = ReadTableFile(installedData(name), name, needs);
    EXPECT_TRUE(result.ok()) << result.error().message().toStdString();
    return result.ok() ? result.value() : CalcTable{};
}

double number(const QString& text)
{
    return ParseTableNumber(text).value_or(std::nan(""));
}

int decimals(const QString& text)
{
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    return comma < 0 ? 0 : int(text.size() - comma - 1);
}

// The first column holds the same quantity in a unit a thousand times smaller
// ("1 740" kg/m³ beside "1,74" g/cm³), not rounded: a pupil who computes with
// either column gets the same answer.
void expectColumnsAgree(const CalcTableRow& row)
{
    QString first = row.firstValue;
    first.remove(QLatin1Char(' '));
    const double scale = std::pow(10.0, decimals(row.secondValue));
    EXPECT_DOUBLE_EQ(std::round(number(first) / 1000 * scale), number(row.secondValue) * scale)
        << row.name.toStdString();
    EXPECT_EQ(std::fmod(number(first), 1000 / scale), 0) << row.name.toStdString();
}

} // namespace

// That the pupil can find each row from the computed value, and that every
// row makes examples that fit the scenes, GenerateExample.InstalledTablesServeEveryRow checks.
TEST(DataTree, DensityColumnsAgree)
{
    for (const auto& [name, rows] : {std::pair{QStringLiteral("1a.dat"), 8}, {QStringLiteral("1b.dat"), 10}}) {
        SCOPED_TRACE(name.toStdString());
        const CalcTable table = readTable(name, {rows, true});
        ASSERT_EQ(table.size(), std::size_t(rows + 1));
        for (int r = 1; r <= rows; ++r)
            expectColumnsAgree(table[r]);
    }
}

TEST(DataTree, HeatAndVehicleTablesSuitTheirExamples)
{
    const CalcTable heat = readTable("3a.dat", {5, true});
    ASSERT_EQ(heat.size(), 6u);
    for (int r = 1; r <= 5; ++r)
        expectColumnsAgree(heat[r]);

    const CalcTable melting = readTable("3b.dat", {});
    ASSERT_EQ(melting.size(), 5u);
    EXPECT_EQ(number(melting[1].secondValue), 2.09);
    EXPECT_EQ(number(melting[2].secondValue), 4.18);
    EXPECT_EQ(number(melting[4].secondValue), 334.0);
    for (int r : {1, 2, 4})
        expectColumnsAgree(melting[r]);

    // Rows 1 to 3 get speeds of 48 to 65 km/h; the fourth vehicle must never match.
    const CalcTable vehicles = readTable("1d.dat", {4, true});
    ASSERT_EQ(vehicles.size(), 5u);
    const double fourth = number(vehicles[4].secondValue);
    EXPECT_TRUE(fourth < 48 || fourth > 65);
}

TEST(DataTree, MapRoutesLeaveFromTheJunction)
{
    const auto result = ReadMapFile(installedData("Mapa1.dat"), "Mapa1.dat");
    ASSERT_TRUE(result.ok()) << result.error().message().toStdString();
    const CalcMap& map = result.value();
    QSet<QString> names;
    for (const CalcRoute& route : map) {
        names.insert(route.name);
        EXPECT_EQ(route.points[0], map[0].points[0]);
        EXPECT_NE(route.points[40], route.points[0]);
    }
    EXPECT_EQ(names.size(), 4);
}

TEST(DataTree, MirrorAndLensScenesAreConsistent)
{
    const QStringList mirrors = decoded("4a.dat");
    ASSERT_EQ(mirrors.size(), 6);
    for (int slot = 1; slot <= 6; ++slot) {
        SCOPED_TRACE(slot);
        const QString& line = mirrors[slot - 1];
        const QStringList fields = recordFields(line);
        ASSERT_GE(fields.size(), 11);
        EXPECT_TRUE(fields[0].endsWith(QStringLiteral(".bmp")));
        const std::vector<int> v = sceneNumbers(fields);
        ASSERT_EQ(v.size(), 10u) << line.toStdString();
        const int axisY = v[1], centreX = v[2], focusX = v[4], vertexX = v[6];
        const int radius = v[8], maxHeight = v[9];
        for (int y : {v[3], v[5], v[7]})
            EXPECT_EQ(y, axisY);
        const bool concave = slot <= 3;
        EXPECT_EQ(concave ? vertexX - centreX : centreX - vertexX, radius);
        EXPECT_EQ(2 * focusX, centreX + vertexX);
        EXPECT_LT(maxHeight, radius);
        EXPECT_LT(v[0] + 10, concave ? focusX : vertexX);
    }

    const QStringList lenses = decoded("4b.dat");
    ASSERT_EQ(lenses.size(), 2);
    for (const QString& line : lenses) {
        const QStringList fields = recordFields(line);
        ASSERT_GE(fields.size(), 11);
        const std::vector<int> v = sceneNumbers(fields);
        ASSERT_EQ(v.size(), 10u) << line.toStdString();
        const int objectFocusX = v[2], imageFocusX = v[4], centreX = v[6];
        for (int y : {v[3], v[5], v[7]})
            EXPECT_EQ(y, v[1]);
        EXPECT_LT(v[0] + 10, objectFocusX);
        EXPECT_EQ(centreX - objectFocusX, imageFocusX - centreX);
        EXPECT_GE(v[8], 40);
    }
}

TEST(DataTree, HistoryFilesHoldEnoughDistinctItems)
{
    const QStringList pairs = decoded("6a.dat");
    ASSERT_GE(pairs.size(), 45);
    ASSERT_LE(pairs.size(), 100);
    QSet<QString> lefts, rights;
    for (const QString& line : pairs) {
        const QStringList fields = recordFields(line);
        ASSERT_GE(fields.size(), 2) << line.toStdString();
        EXPECT_FALSE(fields[0].isEmpty());
        EXPECT_FALSE(fields[1].isEmpty());
        lefts.insert(fields[0]);
        rights.insert(fields[1]);
    }
    EXPECT_EQ(lefts.size(), pairs.size());
    EXPECT_EQ(rights.size(), pairs.size());

    // Persons in the order of the timeline: by year of birth.
    const QStringList persons = decoded("6b.dat");
    ASSERT_GE(persons.size(), 45);
    ASSERT_LE(persons.size(), 100);
    QSet<QString> names;
    int previousBirth = -10000;
    for (const QString& line : persons) {
        const QStringList fields = recordFields(line);
        ASSERT_GE(fields.size(), 3) << line.toStdString();
        names.insert(fields[0]);
        const auto birth = wholeNumber(fields[1]);
        ASSERT_TRUE(birth) << line.toStdString();
        EXPECT_GE(*birth, previousBirth) << line.toStdString();
        previousBirth = *birth;
        if (!fields[2].isEmpty()) {
            const auto death = wholeNumber(fields[2]);
            ASSERT_TRUE(death) << line.toStdString();
            EXPECT_GT(*death, *birth) << line.toStdString();
        }
    }
    EXPECT_EQ(names.size(), persons.size());

    // Events are shown in reverse file order: the latest comes first in the file.
    const QStringList events = decoded("6c.dat");
    ASSERT_GE(events.size(), 45);
    ASSERT_LE(events.size(), 100);
    int previousYear = 100000;
    for (const QString& line : events) {
        const QStringList fields = recordFields(line);
        ASSERT_GE(fields.size(), 2) << line.toStdString();
        EXPECT_FALSE(fields[0].isEmpty());
        const auto year = wholeNumber(fields[1]);
        ASSERT_TRUE(year) << line.toStdString();
        EXPECT_LT(*year, previousYear) << line.toStdString();
        previousYear = *year;
    }
}
