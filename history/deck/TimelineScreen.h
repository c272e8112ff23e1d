// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "history/items/HistoryItems.h"

#include <QPoint>
#include <QRect>

#include <optional>
#include <span>
#include <vector>

namespace orbeta {

class HistoryRandom;
class RecentItems;

// One screen of "6b" or "6c". Positions and boxes count from 1.
//
// Persons ("6b"): the positions show the life spans of the drawn persons by
// year of birth above empty slots; the boxes hold their names in the order
// drawn. A name dropped on an empty slot fills it; a filled slot gives its
// name back when pressed.
//
// Discoveries ("6c"): the positions show the years, the earliest first; box
// p stands under position p and holds an event, at first never its own.
// Dropping a box on another swaps their events.
class TimelineScreen {
public:
    enum class Kind { Persons, Events };
    static constexpr int kPositions = 5;

    static TimelineScreen buildPersons(const PersonItems& items, int count, RecentItems& recent, HistoryRandom& rnd);
    static TimelineScreen buildEvents(const EventItems& items, int count, RecentItems& recent, HistoryRandom& rnd);

    Kind kind() const { return m_kind; }
    int positions() const { return int(m_top.size()); }
    // The life span or the year of a position.
    QString topText(int position) const { return m_top[std::size_t(position - 1)].top; }
    int topNumber(int position) const { return m_top[std::size_t(position - 1)].number; }
    // The name or the event a box holds now, and its item number.
    QString boxText(int box) const { return m_boxes[std::size_t(box - 1)].text; }
    int boxNumber(int box) const { return m_boxes[std::size_t(box - 1)].number; }

    // Persons: the box in a slot, whether a box is placed.
    std::optional<int> slotBox(int slot) const { return m_slots[std::size_t(slot - 1)]; }
    bool boxPlaced(int box) const;
    // Persons: fills an empty slot; false (the box goes back) when it is filled.
    bool drop(int box, int slot);
    // Persons: empties a filled slot; the box whose name it held.
    std::optional<int> takeBack(int slot);

    // Events: two boxes exchange their events.
    void swap(int boxA, int boxB);
    // Events: the position a box let go with its marker (where its dashed
    // line meets it) at `marker` goes to: the position whose column
    // (`columns`, the strip under each year) holds the marker; outside every
    // column, the position of the other box whose place (`places`, one per
    // position) holds it. Nothing for the box's own position or elsewhere.
    std::optional<int> eventTarget(int box, QPoint marker, std::span<const QRect> places,
                                   std::span<const QRect> columns) const;

    bool positionRight(int position) const;
    // What belongs at a position: the person's name or the event of the year.
    QString hint(int position) const { return m_top[std::size_t(position - 1)].text; }

private:
    struct Entry {
        int number = 0;
        QString text; // name or event
        QString top;  // life span or year
    };

    Kind m_kind = Kind::Persons;
    std::vector<Entry> m_top;
    std::vector<Entry> m_boxes;
    std::vector<std::optional<int>> m_slots;
};

} // namespace orbeta
