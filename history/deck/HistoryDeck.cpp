// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/deck/HistoryDeck.h"

#include "formats/SlovakCount.h"
#include "history/items/HistoryFile.h"

#include <set>

namespace orbeta {

std::optional<HistoryCode> HistoryDeck::codeOf(QStringView taskCode)
{
    if (taskCode == u"6a")
        return HistoryCode::Pairs;
    if (taskCode == u"6b")
        return HistoryCode::Persons;
    if (taskCode == u"6c")
        return HistoryCode::Events;
    return std::nullopt;
}

QString HistoryDeck::taskCode(HistoryCode code)
{
    switch (code) {
    case HistoryCode::Pairs:
        return QStringLiteral("6a");
    case HistoryCode::Persons:
        return QStringLiteral("6b");
    case HistoryCode::Events:
        break;
    }
    return QStringLiteral("6c");
}

QString HistoryDeck::fileName(HistoryCode code)
{
    return taskCode(code) + QStringLiteral(".dat");
}

int HistoryDeck::fullScreen(HistoryCode code)
{
    return code == HistoryCode::Pairs ? PairScreen::kMaxRows : TimelineScreen::kPositions;
}

FileResult<HistoryDeck> HistoryDeck::read(HistoryCode code, const QByteArray& bytes, const QString& name,
                                          int largestScreen)
{
    std::set<int> keys;
    HistoryDeck deck(code, 0);
    switch (code) {
    case HistoryCode::Pairs: {
        auto items = HistoryFile::readPairs(bytes, name);
        if (!items)
            return items.error();
        deck.m_pairs = items.value();
        for (const PairItem& item : deck.m_pairs)
            keys.insert(item.number);
        break;
    }
    case HistoryCode::Persons: {
        auto items = HistoryFile::readPersons(bytes, name);
        if (!items)
            return items.error();
        deck.m_persons = items.value();
        for (const PersonItem& item : deck.m_persons)
            keys.insert(item.number);
        break;
    }
    case HistoryCode::Events: {
        auto items = HistoryFile::readEvents(bytes, name);
        if (!items)
            return items.error();
        deck.m_events = items.value();
        for (const EventItem& item : deck.m_events)
            keys.insert(item.year);
        break;
    }
    }
    const std::optional<int> window = RecentItems::windowFor(int(keys.size()), largestScreen);
    if (!window) {
        const QString count = code == HistoryCode::Events
                                  ? SlovakCount::of(qsizetype(keys.size()), u"rôzny rok", u"rôzne roky", u"rôznych rokov")
                                  : SlovakCount::of(qsizetype(keys.size()), u"položku", u"položky", u"položiek");
        return FileError{name, 0,
                         QStringLiteral("súbor má len %1, jedna obrazovka ich potrebuje %2.").arg(count).arg(largestScreen)};
    }
    deck.m_recent = RecentItems(*window);
    return deck;
}

PairScreen HistoryDeck::pairs(int rows, HistoryRandom& rnd)
{
    return PairScreen::build(m_pairs, rows, m_recent, rnd);
}

TimelineScreen HistoryDeck::timeline(int count, HistoryRandom& rnd)
{
    if (m_code == HistoryCode::Events)
        return TimelineScreen::buildEvents(m_events, count, m_recent, rnd);
    return TimelineScreen::buildPersons(m_persons, count, m_recent, rnd);
}

} // namespace orbeta
