// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Checks the data tree that the build installs (build/hd): the stored form of
// every text file and the content that the tasks rely on.
#include "calc/tables/MapFile.h"
#include "calc/tables/TableFile.h"
#include "calc/rules/TaskQuantities.h"
#include "formats/Cp1250.h"
#include "formats/LineCodec.h"
#include "formats/TextTables.h"
#include "history/items/HistoryFile.h"
#include "optics/OpticsSceneFile.h"
#include "tests/support/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

#include <cmath>

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

// Start-up refuses a file that lacks one of the lines the tasks use; the
// answer boxes' tool tips must lie within them, and no line may lie beyond
// what is read.
TEST(DataTree, TheTextsTheTasksUseAreWhereStartUpLooks)
{
    for (CalcTask task : kAllCalcTasks)
        for (const Quantity& q : TaskQuantities::of(task))
            EXPECT_LE(q.hintLine, TextTables::kHintLinesUsed) << calcTaskCode(task).toStdString() << ' ' << q.name;
    EXPECT_LE(decoded("Zadani.dat").size(), TextTables::kMaxLines);
    const QStringList hints = decoded("Napoveda.dat");
    EXPECT_LE(hints.size(), TextTables::kMaxLines);
    for (const QString& hint : hints)
        EXPECT_FALSE(hint.contains(QLatin1Char('#')));
}

// The school's marks, from 90 % a 1, from 75 % a 2, from 50 % a 3, from 30 %
// a 4: the rows overlap at their bounds, where the last row that matches wins
// (the calculator's test holds that rule on this very table).
TEST(DataTree, TheMarkTableIsTheSchools)
{
    EXPECT_EQ(installedData("Znamky.dat"), QByteArray("0|30|5\r\n30|50|4\r\n50|75|3\r\n75|90|2\r\n90|100|1\r\n"));
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

// The reader holds the points in their order on the axis, the radius within
// a few pixels and room for the object; the shipped scenes are exact.
TEST(DataTree, MirrorAndLensScenesAreExact)
{
    const auto mirrors = OpticsSceneFile::ReadMirrorScenes(installedData("4a.dat"), "4a.dat");
    ASSERT_TRUE(mirrors.ok());
    for (int n = 1; n <= MirrorScenes::kSlots; ++n) {
        const MirrorScene& m = mirrors.value().slot[std::size_t(n)];
        EXPECT_EQ(std::abs(m.vertex.x() - m.centre.x()), m.radius) << n;
        EXPECT_EQ(2 * m.focus.x(), m.centre.x() + m.vertex.x()) << n;
        EXPECT_LT(m.maxObjectHeight, m.radius) << n;
    }
    const auto lenses = OpticsSceneFile::ReadLensScenes(installedData("4b.dat"), "4b.dat");
    ASSERT_TRUE(lenses.ok());
    for (int n = 1; n <= LensScenes::kSlots; ++n) {
        const LensScene& l = lenses.value().slot[std::size_t(n)];
        EXPECT_EQ(l.centre.x() - l.objectFocus.x(), l.imageFocus.x() - l.centre.x()) << n;
    }
}

// The readers check every line's fields; a series needs enough distinct
// items to keep recent ones away, the timelines their order.
TEST(DataTree, HistoryFilesHoldEnoughDistinctItemsInOrder)
{
    const auto enough = [](std::size_t items) { return items >= 45; };
    const auto pairs = HistoryFile::readPairs(installedData("6a.dat"), "6a.dat");
    ASSERT_TRUE(pairs.ok());
    EXPECT_TRUE(enough(pairs.value().size()));
    QSet<QString> lefts, rights;
    for (const PairItem& item : pairs.value()) {
        lefts.insert(item.left);
        rights.insert(item.right);
    }
    EXPECT_EQ(std::size_t(lefts.size()), pairs.value().size());
    EXPECT_EQ(std::size_t(rights.size()), pairs.value().size());

    // Persons by year of birth.
    const auto persons = HistoryFile::readPersons(installedData("6b.dat"), "6b.dat");
    ASSERT_TRUE(persons.ok());
    EXPECT_TRUE(enough(persons.value().size()));
    QSet<QString> names;
    int previousBirth = -10000;
    for (const PersonItem& p : persons.value()) {
        names.insert(p.name);
        EXPECT_GE(p.birth, previousBirth) << p.name.toStdString();
        EXPECT_TRUE(p.death == 0 || p.death > p.birth) << p.name.toStdString();
        previousBirth = p.birth;
    }
    EXPECT_EQ(std::size_t(names.size()), persons.value().size());

    // Events latest first.
    const auto events = HistoryFile::readEvents(installedData("6c.dat"), "6c.dat");
    ASSERT_TRUE(events.ok());
    EXPECT_TRUE(enough(events.value().size()));
    for (std::size_t i = 1; i < events.value().size(); ++i)
        EXPECT_LT(events.value()[i].year, events.value()[i - 1].year) << events.value()[i].text.toStdString();
}
