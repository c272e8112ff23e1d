// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/deck/TimelineScreen.h"

#include "history/items/Derangement.h"
#include "history/items/RecentItems.h"

#include <algorithm>
#include <tuple>
#include <utility>

namespace orbeta {

TimelineScreen TimelineScreen::buildPersons(const PersonItems& items, int count, RecentItems& recent,
                                            HistoryRandom& rnd)
{
    std::vector<int> keys;
    for (const PersonItem& item : items)
        keys.push_back(item.number);
    TimelineScreen screen;
    screen.m_kind = Kind::Persons;
    std::vector<const PersonItem*> drawn;
    for (int index : recent.draw(keys, count, rnd)) {
        const PersonItem& person = items[std::size_t(index)];
        screen.m_boxes.push_back({person.number, person.name, person.lifeSpan()});
        drawn.push_back(&person);
    }
    // The time line runs by birth, whatever the order of the file's lines
    // (a teacher appends a person at the end); the line breaks a tie.
    std::sort(drawn.begin(), drawn.end(), [](const PersonItem* a, const PersonItem* b) {
        return std::tie(a->birth, a->number) < std::tie(b->birth, b->number);
    });
    for (const PersonItem* person : drawn)
        screen.m_top.push_back({person->number, person->name, person->lifeSpan()});
    screen.m_slots.assign(screen.m_top.size(), std::nullopt);
    return screen;
}

TimelineScreen TimelineScreen::buildEvents(const EventItems& items, int count, RecentItems& recent,
                                           HistoryRandom& rnd)
{
    std::vector<int> keys;
    for (const EventItem& item : items)
        keys.push_back(item.year);
    TimelineScreen screen;
    screen.m_kind = Kind::Events;
    for (int index : recent.draw(keys, count, rnd)) {
        const EventItem& event = items[std::size_t(index)];
        screen.m_top.push_back({event.number, event.text, QString::number(event.year)});
    }
    // The time line runs from the earliest year, whatever the order of the
    // file's lines (it lists the latest first, and a teacher may append a
    // later one at the end).
    std::sort(screen.m_top.begin(), screen.m_top.end(), [](const Entry& a, const Entry& b) {
        return std::pair(a.top.toInt(), -a.number) < std::pair(b.top.toInt(), -b.number);
    });
    for (int from : Derangement(screen.positions(), rnd))
        screen.m_boxes.push_back(screen.m_top[std::size_t(from)]);
    return screen;
}

bool TimelineScreen::boxPlaced(int box) const
{
    return std::find(m_slots.begin(), m_slots.end(), std::optional<int>(box)) != m_slots.end();
}

bool TimelineScreen::drop(int box, int slot)
{
    if (m_kind != Kind::Persons || slotBox(slot) || boxPlaced(box))
        return false;
    m_slots[std::size_t(slot - 1)] = box;
    return true;
}

std::optional<int> TimelineScreen::takeBack(int slot)
{
    const std::optional<int> box = slotBox(slot);
    m_slots[std::size_t(slot - 1)].reset();
    return box;
}

void TimelineScreen::swap(int boxA, int boxB)
{
    if (m_kind == Kind::Events)
        std::swap(m_boxes[std::size_t(boxA - 1)], m_boxes[std::size_t(boxB - 1)]);
}

std::optional<int> TimelineScreen::eventTarget(int box, QPoint marker, std::span<const QRect> places,
                                               std::span<const QRect> columns) const
{
    if (m_kind != Kind::Events)
        return std::nullopt;
    std::optional<int> target;
    for (int p = 1; !target && p <= positions() && p <= int(columns.size()); ++p)
        if (columns[std::size_t(p - 1)].contains(marker))
            target = p;
    for (int p = 1; !target && p <= positions() && p <= int(places.size()); ++p)
        if (p != box && places[std::size_t(p - 1)].contains(marker))
            target = p;
    if (target == box)
        return std::nullopt;
    return target;
}

bool TimelineScreen::positionRight(int position) const
{
    if (m_kind == Kind::Persons) {
        const std::optional<int> box = slotBox(position);
        return box && boxText(*box) == hint(position);
    }
    return boxText(position) == hint(position);
}

} // namespace orbeta
