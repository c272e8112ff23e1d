// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "formats/FileResult.h"
#include "history/deck/PairScreen.h"
#include "history/deck/TimelineScreen.h"
#include "history/items/HistoryItems.h"
#include "history/items/RecentItems.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>

namespace orbeta {

class HistoryRandom;

// The three history tasks.
enum class HistoryCode {
    Pairs,   // "6a"
    Persons, // "6b"
    Events,  // "6c"
};

// The items of one history task for a series and the recent items it has
// drawn: the screens of a series come from here, none repeating what the
// recent screens showed.
class HistoryDeck {
public:
    static std::optional<HistoryCode> codeOf(QStringView taskCode);
    static QString taskCode(HistoryCode code);
    // "6a.dat", "6b.dat", "6c.dat".
    static QString fileName(HistoryCode code);
    // Items on a full screen: 10 pairs or 5 positions of a timeline.
    static int fullScreen(HistoryCode code);

    // The items of the file, for screens of at most `largestScreen` items.
    // A file that cannot fill one such screen is an error naming it.
    static FileResult<HistoryDeck> read(HistoryCode code, const QByteArray& bytes, const QString& name,
                                        int largestScreen);

    HistoryCode code() const { return m_code; }
    // How many recent items a new screen avoids: 25, or fewer for a short file.
    int window() const { return m_recent.window(); }
    const RecentItems& recent() const { return m_recent; }

    PairScreen pairs(int rows, HistoryRandom& rnd);
    TimelineScreen timeline(int count, HistoryRandom& rnd);

private:
    HistoryDeck(HistoryCode code, int window) : m_code(code), m_recent(window) {}

    HistoryCode m_code;
    PairItems m_pairs;
    PersonItems m_persons;
    EventItems m_events;
    RecentItems m_recent;
};

} // namespace orbeta
