// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The quantity tables and what is derived from them: the answer boxes of
// generated examples and the quantities the assignment texts ask for.
#include "calc/rules/CircuitTasks.h"
#include "calc/basics/QuantityTable.h"
#include "calc/rules/TaskQuantities.h"
#include "formats/Cp1250.h"
#include "tests/support/CalcTestTables.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <vector>

using namespace orbeta;

namespace {

constexpr int kSeeds = 1000;

QString text(std::u16string_view view)
{
    return QStringView(view).toString();
}

bool askedAlways(const Quantity& q)
{
    return q.asked.contains(std::nullopt);
}

// "1d" (roads, arrival time) and "2e" (the lever) check and explain their
// answers by rules of their own.
bool hasOwnRules(CalcTask task)
{
    return task == CalcTask::NonUniformMotion || task == CalcTask::Lever;
}

// The editor's notes of the assignment texts (the field before the first
// "#"): line number, task code, then the asked quantities ("ró", "m2") or,
// for "2e", the variants.
QStringList assignmentNotes()
{
    QFile file(qEnvironmentVariable("ORBETA_SOURCE_DIR") + QStringLiteral("/data/src/Zadani.txt"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QStringList notes;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n')))
        notes << line.section(QLatin1Char('#'), 0, 0);
    return notes;
}

// A name of a note as the Sigla font writes the symbol: "ró" is ρ, digits
// are subscripts.
QString inSigla(QString name)
{
    name.replace(QStringLiteral("ró"), QStringLiteral("ú"));
    name.replace(QLatin1Char('1'), QChar(u'á'));
    name.replace(QLatin1Char('2'), QChar(u'â'));
    return name;
}

// A note names a quantity by its symbol, or by its letter alone when both of
// a pair are asked ("s" for s₁ and s₂).
bool names(const QString& name, const Quantity& q)
{
    const QString symbol = text(q.symbol);
    return name == symbol
           || (symbol.size() == 2 && (symbol[1] == QChar(u'á') || symbol[1] == QChar(u'â'))
               && name == symbol.left(1));
}

} // namespace

TEST(TaskQuantities, TablesDescribeEveryBoxAndAnswer)
{
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z][A-Za-z0-9]*$"));
    // The letters the Sigla font draws as symbols; a Unicode unit must not use them.
    static const QString siglaOnly = QStringLiteral("áâÁÂĂ¬Űú");
    EXPECT_FALSE(calcTaskFromCode(u"1z"));
    for (CalcTask task : kAllCalcTasks) {
        SCOPED_TRACE(calcTaskCode(task).toStdString());
        EXPECT_EQ(calcTaskFromCode(calcTaskCode(task)), task);
        std::set<std::string> namesSeen;
        std::set<int> boxes;
        for (const Quantity& q : TaskQuantities::of(task)) {
            SCOPED_TRACE(q.name);
            EXPECT_TRUE(identifier.match(QLatin1String(q.name)).hasMatch());
            EXPECT_TRUE(namesSeen.insert(q.name).second);
            EXPECT_TRUE(Cp1250::encode(text(q.symbol)).has_value());
            EXPECT_TRUE(Cp1250::encode(text(q.unitInSigla())).has_value());
            for (QChar c : text(q.unit))
                EXPECT_FALSE(siglaOnly.contains(c));
            if (q.box != 0) {
                EXPECT_GE(q.box, 1);
                EXPECT_LE(q.box, 6);
                EXPECT_TRUE(boxes.insert(q.box).second);
                EXPECT_GT(q.hintLine, 0);
                EXPECT_FALSE(q.unit.empty());
            }
            const bool asked = askedAlways(q) || q.asked.contains(1);
            if (asked && !hasOwnRules(task)) {
                EXPECT_TRUE(q.box != 0 || q.inTable);
                EXPECT_FALSE(q.label.empty());
            }
        }
    }
}

TEST(TaskQuantities, AskedBoxesAreEmptyGivenBoxesFilledInEveryExample)
{
    for (CalcTask task : kAllCalcTasks) {
        SCOPED_TRACE(calcTaskCode(task).toStdString());
        const auto quantities = TaskQuantities::of(task);
        std::set<int> variants;
        for (std::uint64_t seed = 0; seed < kSeeds; ++seed) {
            const CalcExample e = test::generated(task, seed);
            SCOPED_TRACE("seed " + std::to_string(seed));
            std::array<bool, 6> described{};
            int asked = 0;
            for (const Quantity& q : quantities) {
                asked += q.askedIn(e) ? 1 : 0;
                if (q.box == 0)
                    continue;
                const AnswerBox& box = e.boxes[static_cast<std::size_t>(q.box - 1)];
                described[static_cast<std::size_t>(q.box - 1)] = true;
                ASSERT_TRUE(box.used) << q.name;
                ASSERT_EQ(box.text.isEmpty(), q.askedIn(e)) << q.name;
                ASSERT_EQ(box.unit, text(q.unit)) << q.name;
                ASSERT_EQ(box.hintLine, q.hintLine) << q.name;
            }
            // The roads of "1d" fill boxes 1 to 4 by a rule of their own.
            for (std::size_t i = 0; i < 6; ++i) {
                if (!described[i] && !(task == CalcTask::NonUniformMotion && i < 4)) {
                    ASSERT_FALSE(e.boxes[i].used) << "box " << i + 1;
                }
            }
            if (task != CalcTask::Lever) {
                ASSERT_GT(asked, 0) << "nothing to find";
            }
            if (e.asked)
                variants.insert(*e.asked);
        }
        if (!variants.empty()) {
            EXPECT_EQ(*variants.rbegin(), int(variants.size())) << "a variant never occurs";
        }
    }
}

TEST(TaskQuantities, AssignmentTextsAskForTheAskedQuantities)
{
    const QStringList notes = assignmentNotes();
    for (CalcTask task : kAllCalcTasks) {
        SCOPED_TRACE(calcTaskCode(task).toStdString());
        for (std::uint64_t seed = 0; seed < 300; ++seed) {
            const CalcExample e = test::generated(task, seed);
            SCOPED_TRACE("seed " + std::to_string(seed));
            ASSERT_LT(e.assignmentLine - 1, notes.size());
            QStringList words = notes[e.assignmentLine - 1].split(QLatin1Char(' '), Qt::SkipEmptyParts);
            ASSERT_GE(words.size(), 3);
            EXPECT_EQ(words[1], calcTaskCode(task));
            words = words.mid(2);
            if (task == CalcTask::Lever) {
                EXPECT_TRUE(words.contains(QString::number(*e.asked)));
                continue;
            }
            // A task with variants names the quantity of the variant, not one
            // that every variant asks (the total current of "5e").
            std::vector<const Quantity*> asked;
            for (const Quantity& q : TaskQuantities::of(task))
                if (q.askedIn(e) && (!e.asked || !askedAlways(q)))
                    asked.push_back(&q);
            for (const QString& word : words) {
                const QString name = inSigla(word);
                EXPECT_TRUE(std::any_of(asked.begin(), asked.end(), [&](const Quantity* q) { return names(name, *q); }))
                    << word.toStdString();
            }
            for (const Quantity* q : asked)
                EXPECT_TRUE(std::any_of(words.begin(), words.end(), [&](const QString& w) { return names(inSigla(w), *q); }))
                    << q->name;
        }
    }
}

// A box's tool tip, where it ends in a unit ("v hodinách", "vo voltoch"),
// names the box's own unit.
TEST(TaskQuantities, ToolTipsNameTheBoxsUnit)
{
    QFile file(qEnvironmentVariable("ORBETA_SOURCE_DIR") + QStringLiteral("/data/src/Napoveda.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList hints = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    const std::map<QString, QString> unitNamed = {
        {"gramoch", "g"},         {"gramoch na centimeter kubický", "g/cm³"}, {"mililitroch", "ml"},
        {"metroch", "m"},         {"metroch za sekundu", "m/s"},              {"sekundách", "s"},
        {"kilometroch", "km"},    {"hodinách", "h"},                          {"minútach", "min"},
        {"štvorcových decimetroch", "dm²"}, {"kilopascaloch", "kPa"},         {"newtonoch", "N"},
        {"jouloch", "J"},         {"kilojouloch", "kJ"},                      {"wattoch", "W"},
        {"stupňoch Celzia", "°C"}, {"ampéroch", "A"},                         {"voltoch", "V"},
        {"ohmoch", "Ω"},          {"kilowatthodinách", "kWh"}};
    static const QRegularExpression unitAtEnd(QStringLiteral(".* vo? (.+)$"));
    for (CalcTask task : kAllCalcTasks)
        for (const Quantity& q : TaskQuantities::of(task)) {
            if (q.hintLine == 0)
                continue;
            SCOPED_TRACE(calcTaskCode(task).toStdString() + " " + q.name);
            ASSERT_LE(q.hintLine, hints.size());
            const QRegularExpressionMatch m = unitAtEnd.match(hints[q.hintLine - 1].trimmed());
            if (!m.hasMatch())
                continue;
            const auto named = unitNamed.find(m.captured(1));
            ASSERT_NE(named, unitNamed.end()) << m.captured(1).toStdString();
            EXPECT_EQ(named->second, text(q.unit));
        }
}

// A resistance or an appliance's power input stands on its label in the
// picture from the start: its box says the same at once, not "0" until the
// experiment has run.
TEST(TaskQuantities, ALabelledValueIsGivenFromTheStart)
{
    const std::pair<CalcTask, const char*> labelled[] = {
        {CalcTask::OhmsLaw, "R"},          {CalcTask::ElectricPower, "P"},     {CalcTask::SeriesResistors, "R1"},
        {CalcTask::SeriesResistors, "R2"}, {CalcTask::ParallelResistors, "R1"}, {CalcTask::ParallelResistors, "R2"},
    };
    for (const auto& [task, name] : labelled) {
        const Quantity& q = QuantityTable::named(TaskQuantities::of(task), name);
        for (std::uint64_t seed = 0; seed < 50; ++seed) {
            const CalcExample e = test::generated(task, seed);
            if (q.askedIn(e))
                continue;
            EXPECT_EQ(e.boxes[std::size_t(q.box - 1)].text, QuantityTable::valueText(q.read(e.values), 0))
                << calcTaskCode(task).toStdString() << " " << name << " seed " << seed;
        }
    }
}

// The caret goes through the boxes as the legend reads them; the boxes
// without a quantity of their own follow by number.
TEST(TaskQuantities, BoxesInTheOrderOfTheLegend)
{
    const auto order = [](CalcTask task) { return QuantityTable::boxesInLegendOrder(TaskQuantities::of(task)); };
    EXPECT_EQ(order(CalcTask::ParallelResistors), (std::array<int, 6>{4, 5, 6, 3, 1, 2}));
    EXPECT_EQ(order(CalcTask::MechanicalWork), (std::array<int, 6>{2, 1, 4, 3, 5, 6}));
    EXPECT_EQ(order(CalcTask::NonUniformMotion), (std::array<int, 6>{1, 2, 3, 4, 5, 6}));
}

// One full scale per meter for all examples of its task: 52 V and 26 V on
// the same dial, the needle of 52 V twice as far; no reading beyond the dial.
TEST(CircuitTasks, EveryMeterReadsAllItsExamplesOnOneScale)
{
    const std::pair<CalcTask, std::vector<const char*>> meters[] = {
        {CalcTask::OhmsLaw, {"I", "U"}},
        {CalcTask::ElectricPower, {"I", "U"}},
        {CalcTask::SeriesResistors, {"I", "U1", "U2"}},
        {CalcTask::ParallelResistors, {"I1", "I2", "I", "U"}},
    };
    for (const auto& [task, names] : meters) {
        for (const char* name : names) {
            const double scale = CircuitTasks::meterScale(task, name);
            const Quantity& q = QuantityTable::named(TaskQuantities::of(task), name);
            double largest = 0;
            for (std::uint64_t seed = 0; seed < kSeeds; ++seed) {
                const Reading value = q.read(test::generated(task, seed).values);
                largest = std::max(largest, std::holds_alternative<int>(value) ? double(std::get<int>(value))
                                                                                : double(std::get<float>(value)));
            }
            SCOPED_TRACE(calcTaskCode(task).toStdString() + " " + name);
            EXPECT_LE(largest, scale);
            // The dial is not so large that the needles hardly move.
            EXPECT_GE(largest, scale / 2);
        }
    }
    EXPECT_EQ(CircuitTasks::meterScale(CalcTask::OhmsLaw, "R"), 0);
}
