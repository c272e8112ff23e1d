// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "6a.dat", "6b.dat", "6c.dat": the history items, and the screens built
// from whatever reads: a long series never hangs, no screen repeats a key,
// and nothing starts in its own place. Every year that reads is a year, and
// nobody dies before being born.
#include "fuzz/FuzzCheck.h"

#include "history/deck/HistoryDeck.h"
#include "history/items/HistoryFile.h"
#include "history/items/HistoryRandom.h"

#include <cstdlib>
#include <set>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orbeta;
    if (size < 1)
        return 0;
    const HistoryCode code = HistoryCode(data[0] % 3);
    const auto isYear = [](int year) { return year != 0 && std::abs(year) <= HistoryFile::kLastYear; };
    if (const auto persons = HistoryFile::readPersons(fuzz::bytesOf(data + 1, size - 1), QStringLiteral("6b.dat")))
        for (const PersonItem& person : persons.value())
            fuzz::require(isYear(person.birth) && (person.death == 0 || (isYear(person.death) && person.death >= person.birth)),
                          "a life span of years");
    if (const auto events = HistoryFile::readEvents(fuzz::bytesOf(data + 1, size - 1), QStringLiteral("6c.dat")))
        for (const EventItem& event : events.value())
            fuzz::require(isYear(event.year), "an event's year is a year");
    const int screen = code == HistoryCode::Pairs && data[0] % 2 ? 10 : 5;
    auto deck = HistoryDeck::read(code, fuzz::bytesOf(data + 1, size - 1), HistoryDeck::fileName(code), screen);
    if (!deck)
        return 0;
    HistoryRandom rnd(size);
    for (int k = 0; k < 30; ++k) {
        std::set<int> keys;
        if (code == HistoryCode::Pairs) {
            const PairScreen s = deck.value().pairs(screen, rnd);
            fuzz::require(s.rows() == screen, "a full screen of pairs");
            for (int r = 1; r <= s.rows(); ++r) {
                keys.insert(s.left(r).number);
                fuzz::require(!s.rowRight(r), "no pair starts right");
            }
        } else {
            const TimelineScreen s = deck.value().timeline(screen, rnd);
            fuzz::require(s.positions() == screen, "a full timeline");
            for (int p = 1; p <= s.positions(); ++p) {
                keys.insert(code == HistoryCode::Events ? s.topText(p).toInt() : s.topNumber(p));
                fuzz::require(code == HistoryCode::Persons || s.boxNumber(p) != s.topNumber(p),
                              "no event starts under its year");
            }
        }
        fuzz::require(int(keys.size()) == screen, "no key twice on a screen");
    }
    return 0;
}
