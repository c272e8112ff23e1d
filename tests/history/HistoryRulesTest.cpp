// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules of the history screens: files of every length down to empty,
// the screens' first orders, the recent-item window across a series, the
// drops and swaps, and the judging.
#include "formats/LineCodec.h"
#include "history/deck/HistoryDeck.h"
#include "history/deck/ScreenSeries.h"
#include "history/items/Derangement.h"
#include "history/items/HistoryFile.h"
#include "history/items/HistoryRandom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace orbeta;

namespace {

QByteArray file(const QStringList& lines)
{
    return LineCodec::encodeFile(lines, 7);
}

QByteArray pairFile(int n)
{
    QStringList lines;
    for (int i = 1; i <= n; ++i)
        lines << QStringLiteral("%1#Fyzik %1#objav %1#").arg(i);
    return file(lines);
}

// Years descend through the file, as the timeline expects; `yearsEvery`
// lets neighbouring lines share a year.
QByteArray eventFile(int n, int yearsEvery = 1)
{
    QStringList lines;
    for (int i = 1; i <= n; ++i)
        lines << QStringLiteral("%1#udalosť %1#%2").arg(i).arg(2000 - (i - 1) / yearsEvery);
    return file(lines);
}

QByteArray personFile(int n)
{
    QStringList lines;
    for (int i = 1; i <= n; ++i)
        lines << QStringLiteral("%1#Osoba %1#%2#%3").arg(i).arg(1500 + i).arg(i == n ? QString() : QString::number(1560 + i));
    return file(lines);
}

HistoryDeck deck(HistoryCode code, const QByteArray& bytes, int largestScreen)
{
    auto read = HistoryDeck::read(code, bytes, HistoryDeck::fileName(code), largestScreen);
    EXPECT_TRUE(read.ok()) << (read.ok() ? std::string() : read.error().message().toStdString());
    return read.value();
}

} // namespace

TEST(HistoryFiles, ShortFilesPlayWithAShorterWindowOrNameThemselves)
{
    struct Case {
        HistoryCode code;
        int items;
        int largestScreen;
        int window; // -1: the file cannot fill a screen
    };
    const Case cases[] = {
        {HistoryCode::Pairs, 0, 10, -1},    {HistoryCode::Pairs, 5, 10, -1},    {HistoryCode::Pairs, 9, 10, -1},
        {HistoryCode::Pairs, 10, 10, 0},    {HistoryCode::Pairs, 26, 10, 16},   {HistoryCode::Pairs, 5, 5, 0},
        {HistoryCode::Pairs, 9, 5, 4},      {HistoryCode::Pairs, 45, 10, 25},   {HistoryCode::Persons, 0, 5, -1},
        {HistoryCode::Persons, 5, 5, 0},    {HistoryCode::Persons, 9, 5, 4},    {HistoryCode::Persons, 10, 5, 5},
        {HistoryCode::Persons, 26, 5, 21},  {HistoryCode::Events, 0, 5, -1},    {HistoryCode::Events, 5, 5, 0},
        {HistoryCode::Events, 9, 5, 4},     {HistoryCode::Events, 10, 5, 5},    {HistoryCode::Events, 26, 5, 21},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(HistoryDeck::taskCode(c.code).toStdString() + " with " + std::to_string(c.items) + " items");
        const QByteArray bytes = c.code == HistoryCode::Pairs     ? pairFile(c.items)
                                 : c.code == HistoryCode::Persons ? personFile(c.items)
                                                                  : eventFile(c.items);
        auto read = HistoryDeck::read(c.code, bytes, HistoryDeck::fileName(c.code), c.largestScreen);
        if (c.window < 0) {
            ASSERT_FALSE(read.ok());
            EXPECT_TRUE(read.error().message().contains(HistoryDeck::fileName(c.code)));
            continue;
        }
        ASSERT_TRUE(read.ok());
        HistoryDeck d = read.value();
        EXPECT_EQ(d.window(), c.window);
        // A long series never hangs and never repeats a recent item.
        HistoryRandom rnd(std::uint64_t(c.items));
        std::vector<int> shown;
        for (int screen = 0; screen < 40; ++screen) {
            std::vector<int> keys;
            if (c.code == HistoryCode::Pairs) {
                const PairScreen s = d.pairs(c.largestScreen, rnd);
                ASSERT_EQ(s.rows(), c.largestScreen);
                for (int r = 1; r <= s.rows(); ++r)
                    keys.push_back(s.left(r).number);
            } else {
                const TimelineScreen s = d.timeline(c.largestScreen, rnd);
                ASSERT_EQ(s.positions(), c.largestScreen);
                for (int p = 1; p <= s.positions(); ++p)
                    keys.push_back(s.topNumber(p));
            }
            // The whole screens that lie within the window.
            const std::ptrdiff_t barred = (d.window() / c.largestScreen) * c.largestScreen;
            const std::vector<int> window(shown.end() - std::min<std::ptrdiff_t>(shown.size(), barred), shown.end());
            for (int key : keys)
                EXPECT_EQ(std::count(window.begin(), window.end(), key), 0) << "screen " << screen;
            EXPECT_EQ(std::set<int>(keys.begin(), keys.end()).size(), keys.size());
            shown.insert(shown.end(), keys.begin(), keys.end());
        }
    }
}

TEST(HistoryFiles, EventsOfOneYearCountOnce)
{
    // 12 lines but only 6 years: one screen and a window of 1 year.
    HistoryDeck d = deck(HistoryCode::Events, eventFile(12, 2), 5);
    EXPECT_EQ(d.window(), 1);
    HistoryRandom rnd(3);
    for (int i = 0; i < 200; ++i) {
        const TimelineScreen s = d.timeline(5, rnd);
        std::set<QString> years;
        for (int p = 1; p <= 5; ++p)
            years.insert(s.topText(p));
        EXPECT_EQ(years.size(), 5u);
    }
    EXPECT_FALSE(HistoryDeck::read(HistoryCode::Events, eventFile(8, 2), QStringLiteral("6c.dat"), 5).ok());
}

TEST(HistoryFiles, BadLinesNameTheFileAndLine)
{
    struct Case {
        HistoryCode code;
        QStringList lines;
        int line;
    };
    const Case cases[] = {
        {HistoryCode::Pairs, {"1#a#b#", "2#a##"}, 2},
        {HistoryCode::Pairs, {"1#a"}, 1},
        {HistoryCode::Persons, {"1#Newton#1643#1727", "2#Hooke#x#1703"}, 2},
        {HistoryCode::Persons, {"1#Newton#1643#17a7"}, 1},
        {HistoryCode::Events, {"1#tranzistor#1947", "2#laser#"}, 2},
        // Numbers that are no years, and a life that ends before it starts.
        {HistoryCode::Events, {"1#tranzistor#1947", "2#laser#19600"}, 2},
        {HistoryCode::Events, {"1#tranzistor#0"}, 1},
        {HistoryCode::Persons, {"1#Newton#1643#1727", "2#Hooke#-2147483648#1703"}, 2},
        {HistoryCode::Persons, {"1#Newton#1727#1643"}, 1},
    };
    for (const Case& c : cases) {
        const auto read = HistoryDeck::read(c.code, file(c.lines), HistoryDeck::fileName(c.code), 1);
        ASSERT_FALSE(read.ok());
        EXPECT_EQ(read.error().line, c.line);
        EXPECT_EQ(read.error().file, HistoryDeck::fileName(c.code));
    }
    QStringList many;
    for (int i = 0; i < 101; ++i)
        many << QStringLiteral("x#a#b#");
    EXPECT_FALSE(HistoryFile::readPairs(file(many), QStringLiteral("6a.dat")).ok());
}

TEST(HistoryFiles, LivingPersonShowsTheBirthYearOnly)
{
    const auto persons = HistoryFile::readPersons(file({"1#Stephen Hawking#1942#2018", "2#Osoba#1950#"}),
                                                  QStringLiteral("6b.dat"));
    ASSERT_TRUE(persons.ok());
    EXPECT_EQ(persons.value()[0].lifeSpan(), QStringLiteral("1942 - 2018"));
    EXPECT_EQ(persons.value()[1].lifeSpan(), QStringLiteral("1950 - súč."));
}

TEST(Derangement, NoEntryStaysInItsPlace)
{
    for (int n = 2; n <= 10; ++n) {
        for (std::uint64_t seed = 0; seed < 500; ++seed) {
            HistoryRandom rnd(seed);
            const std::vector<int> order = Derangement(n, rnd);
            std::vector<int> sorted = order;
            std::sort(sorted.begin(), sorted.end());
            for (int i = 0; i < n; ++i) {
                ASSERT_EQ(sorted[std::size_t(i)], i);
                ASSERT_NE(order[std::size_t(i)], i) << "n " << n << " seed " << seed;
            }
        }
    }
}

TEST(PairScreen, NoRowStartsRightAndDropsHitOnlyTheRows)
{
    HistoryDeck d = deck(HistoryCode::Pairs, pairFile(40), 10);
    HistoryRandom rnd(11);
    for (int i = 0; i < 300; ++i) {
        const PairScreen s = d.pairs(i % 2 ? 10 : 5, rnd);
        for (int r = 1; r <= s.rows(); ++r)
            ASSERT_FALSE(s.rowRight(r));
    }
    const PairScreen half = d.pairs(5, rnd);
    struct Drop {
        QPoint point;
        std::optional<int> row;
    };
    const Drop drops[] = {
        {{326, 125}, 1}, {{556, 145}, 1}, {{400, 157}, 2}, {{450, 263}, 5},
        {{583, 130}, 1},                                         // the box's right end is part of it
        {{325, 130}, std::nullopt}, {{584, 130}, std::nullopt}, // beside the column
        {{400, 146}, std::nullopt}, {{400, 124}, std::nullopt}, // between and above the rows
        {{400, 320}, std::nullopt},                             // row 6 is hidden on a half screen
    };
    for (const Drop& drop : drops)
        EXPECT_EQ(half.dropRow(drop.point), drop.row) << drop.point.x() << "," << drop.point.y();
}

TEST(PairScreen, SwappingEveryValueHomeMakesEveryRowRight)
{
    HistoryDeck d = deck(HistoryCode::Pairs, pairFile(30), 10);
    HistoryRandom rnd(5);
    PairScreen s = d.pairs(10, rnd);
    for (int r = 1; r <= s.rows(); ++r) {
        for (int k = r; k <= s.rows(); ++k) {
            if (s.right(k).number == s.left(r).number) {
                s.swap(r, k);
                break;
            }
        }
        EXPECT_TRUE(s.rowRight(r));
        EXPECT_EQ(s.right(r).right, s.hint(r));
    }
}

TEST(TimelineScreen, PersonsFillEmptySlotsOnlyAndGiveNamesBack)
{
    HistoryDeck d = deck(HistoryCode::Persons, personFile(30), 5);
    HistoryRandom rnd(2);
    TimelineScreen s = d.timeline(5, rnd);
    for (int p = 2; p <= 5; ++p)
        EXPECT_LT(s.topNumber(p - 1), s.topNumber(p)); // by birth, here the file's order
    EXPECT_TRUE(s.drop(1, 3));
    EXPECT_FALSE(s.drop(2, 3)); // a filled slot sends the box back
    EXPECT_FALSE(s.boxPlaced(2));
    EXPECT_FALSE(s.drop(1, 4)); // a placed box is not in two slots
    EXPECT_EQ(s.takeBack(3), 1);
    EXPECT_FALSE(s.slotBox(3));
    EXPECT_FALSE(s.takeBack(3));
    // Every name in its own slot: all right; an empty slot is wrong.
    for (int box = 1; box <= 5; ++box)
        for (int slot = 1; slot <= 5; ++slot)
            if (s.hint(slot) == s.boxText(box)) {
                ASSERT_TRUE(s.drop(box, slot));
            }
    for (int p = 1; p <= 5; ++p)
        EXPECT_TRUE(s.positionRight(p));
    s.takeBack(2);
    EXPECT_FALSE(s.positionRight(2));
}

TEST(TimelineScreen, EventsStartAwayFromTheirYearsAndRunFromTheEarliest)
{
    HistoryDeck d = deck(HistoryCode::Events, eventFile(40), 5);
    HistoryRandom rnd(9);
    for (int i = 0; i < 300; ++i) {
        TimelineScreen s = d.timeline(5, rnd);
        for (int p = 1; p <= 5; ++p) {
            ASSERT_FALSE(s.positionRight(p));
            if (p > 1) {
                ASSERT_LT(s.topText(p - 1).toInt(), s.topText(p).toInt());
            }
        }
        for (int p = 1; p <= 5; ++p)
            for (int b = p; b <= 5; ++b)
                if (s.boxNumber(b) == s.topNumber(p))
                    s.swap(p, b);
        for (int p = 1; p <= 5; ++p)
            ASSERT_TRUE(s.positionRight(p));
    }
}

// A teacher appends a line at the end, out of the file's order: the time
// line still runs by year (persons by birth).
TEST(TimelineScreen, LinesAppendedOutOfOrderStillRunByYear)
{
    QStringList events;
    for (int i = 1; i <= 10; ++i)
        events << QStringLiteral("%1#udalosť %1#%2").arg(i).arg(1950 - 10 * i);
    events << QStringLiteral("11#prvý smartfón s dotykovou obrazovkou#2007");
    QStringList persons;
    for (int i = 1; i <= 9; ++i)
        persons << QStringLiteral("%1#Osoba %1#%2#%3").arg(i).arg(1700 + 10 * i).arg(1780 + 10 * i);
    persons << QStringLiteral("10#Osoba 10#1600#1650");
    HistoryDeck eventDeck = deck(HistoryCode::Events, file(events), 5);
    HistoryDeck personDeck = deck(HistoryCode::Persons, file(persons), 5);
    HistoryRandom rnd(3);
    bool sawLate = false;
    bool sawEarly = false;
    for (int i = 0; i < 200; ++i) {
        const TimelineScreen e = eventDeck.timeline(5, rnd);
        const TimelineScreen p = personDeck.timeline(5, rnd);
        for (int k = 2; k <= 5; ++k) {
            ASSERT_LT(e.topText(k - 1).toInt(), e.topText(k).toInt());
            ASSERT_LT(p.topText(k - 1).left(4).toInt(), p.topText(k).left(4).toInt());
        }
        sawLate = sawLate || e.topText(5) == QStringLiteral("2007");
        sawEarly = sawEarly || p.topText(1).startsWith(QStringLiteral("1600"));
    }
    EXPECT_TRUE(sawLate);
    EXPECT_TRUE(sawEarly);
}

TEST(TimelineScreen, AnEventDroppedInAYearsColumnHangsThere)
{
    HistoryDeck d = deck(HistoryCode::Events, eventFile(40), 5);
    HistoryRandom rnd(4);
    const TimelineScreen s = d.timeline(5, rnd);
    // Boxes 200 px wide, one a row and 40 px further right each; the
    // columns 40 px wide from the years (top 0) down past the last box.
    std::vector<QRect> places;
    std::vector<QRect> columns;
    for (int p = 1; p <= 5; ++p) {
        places.emplace_back(40 * p, 50 * p, 200, 30);
        columns.emplace_back(40 * p, 0, 40, 300);
    }
    struct Drop {
        int box;
        QPoint marker;
        std::optional<int> target;
    };
    const Drop drops[] = {
        {1, {180, 60}, 4},           // along its own row, under year 4
        {3, {60, 20}, 1},            // on year 1
        {5, {100, 270}, 2},          // below every box, in column 2
        {1, {300, 210}, 4},          // right of every column, on box 4's place
        {2, {100, 60}, std::nullopt}, // over box 1's place, but under its own year
        {5, {130, 110}, 3},          // over box 2's place, under year 3: the year decides
        {2, {90, 120}, std::nullopt}, // its own place in its own column
        {3, {300, 20}, std::nullopt}, // right of every column, over no box
    };
    for (const Drop& drop : drops)
        EXPECT_EQ(s.eventTarget(drop.box, drop.marker, places, columns), drop.target)
            << drop.box << " at " << drop.marker.x() << "," << drop.marker.y();
}

TEST(ScreenSeries, CountsFallIntoScreens)
{
    struct Case {
        int count;
        int full;
        std::vector<int> screens;
    };
    const Case cases[] = {
        {5, 10, {5}},          {8, 10, {8}},         {10, 10, {10}},  {15, 10, {10, 5}},
        {20, 10, {10, 10}},    {25, 10, {10, 10, 5}}, {13, 10, {10}}, {0, 10, {}},
        {25, 5, {5, 5, 5, 5, 5}}, {5, 5, {5}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScreenSeries::screens(c.count, c.full), c.screens) << c.count;
}
