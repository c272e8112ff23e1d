// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/experiments/LeverBoard.h"

#include <algorithm>
#include <cstdlib>

namespace orbeta {
namespace {

// The keyboard carries a weight this far below a hook: clear of its snapping
// and of the beam, under the mark it would hang at.
constexpr int kCarryBelow = 3 * LeverBoard::kSnap;

} // namespace

LeverBoard::LeverBoard(const CalcExample& example, const LeverPlaces& places) : m_places(places)
{
    const auto* x = std::get_if<LeverValues>(&example.values);
    if (!x)
        return;
    m_lever = InitialLever(*x);
    m_count = x->offeredCount;
    for (int w = 1; w <= m_count; ++w) {
        m_mass[index(w)] = x->offered[index(w)];
        m_position[index(w)] = places.homes[index(w)];
    }
    if (example.asked.value_or(0) % 2 == 1)
        m_shownMark = x->placedMark();
}

bool LeverBoard::isTarget(int mark) const
{
    return !m_shownMark || *m_shownMark == mark;
}

std::optional<int> LeverBoard::markOf(int weight) const
{
    for (int mark = -6; mark <= 6; ++mark)
        if (m_lever[slot(mark)] == mass(weight) && m_position[index(weight)] == m_places.hooks[slot(mark)])
            return mark;
    return std::nullopt;
}

std::optional<int> LeverBoard::weightAt(QPoint point, QSize weightSize) const
{
    // The weight being moved is drawn on top of the others.
    if (m_moving && QRect(position(*m_moving), weightSize).contains(point))
        return m_moving;
    for (int w = m_count; w >= 1; --w)
        if (QRect(position(w), weightSize).contains(point))
            return w;
    return std::nullopt;
}

LeverBoard::Event LeverBoard::press(int weight, bool allowed)
{
    if (!allowed || weight < 1 || weight > m_count)
        return Event::None;
    m_moving = weight;
    m_keyMark.reset();
    m_pickedAt = position(weight);
    return Event::PickedUp;
}

LeverBoard::Event LeverBoard::move(QPoint travel)
{
    if (!m_moving)
        return Event::None;
    return moveTo(m_pickedAt + travel);
}

bool LeverBoard::weightHung() const
{
    for (int w = 1; w <= m_count; ++w)
        if (markOf(w))
            return true;
    return false;
}

LeverBoard::Event LeverBoard::release()
{
    if (!m_moving)
        return Event::None;
    const int w = *m_moving;
    Event event = Event::Dropped;
    if (!markOf(w)) {
        // On a hook or in the tray: nothing may seem to hang where it counts for nothing.
        std::optional<int> near;
        for (int mark = -6; mark <= 6; ++mark)
            if (nearHook(position(w), mark, kDropReach))
                near = mark;
        if (near && isTarget(*near) && m_lever[slot(*near)] == 0) {
            event = moveTo(m_places.hooks[slot(*near)]);
        } else if (near) {
            moveTo(m_pickedAt);
            event = Event::Refused;
        } else {
            moveTo(m_places.homes[index(w)]);
        }
    }
    m_moving.reset();
    m_keyMark.reset();
    return event;
}

bool LeverBoard::nearHook(QPoint corner, int mark, int reach) const
{
    const QPoint hook = m_places.hooks[slot(mark)];
    return std::abs(corner.x() - hook.x()) <= reach && std::abs(corner.y() - hook.y()) <= reach;
}

LeverBoard::Event LeverBoard::moveTo(QPoint at)
{
    const int w = *m_moving;
    const int own = mass(w);
    QPoint& p = m_position[index(w)];
    p.setX(std::clamp(at.x(), 0, std::max(0, m_places.scene.width() - m_places.weight.width())));
    p.setY(std::clamp(at.y(), 0, std::max(0, m_places.scene.height() - m_places.weight.height())));
    Event event = Event::Moved;
    for (int mark = -6; mark <= 6; ++mark) {
        if (!isTarget(mark))
            continue;
        const QPoint hook = m_places.hooks[slot(mark)];
        int& occupant = m_lever[slot(mark)];
        if (nearHook(p, mark)) {
            p = hook;
            if (occupant != 0 && occupant != own) {
                // Refused: back where it was picked up, hanging there again
                // if it was taken from a mark.
                const QPoint back = m_pickedAt;
                moveTo(back);
                m_moving.reset();
                m_keyMark.reset();
                return Event::Refused;
            }
            if (occupant == 0) {
                occupant = own;
                event = Event::Hung;
            }
        } else if (occupant == own) {
            occupant = 0;
            event = Event::TakenOff;
        }
    }
    return event;
}

LeverBoard::Event LeverBoard::choose(int weight, bool allowed)
{
    if (m_moving && *m_moving == weight)
        return Event::None;
    release();
    const Event event = press(weight, allowed);
    if (event != Event::PickedUp)
        return event;
    // Lifted where it stands: off its mark, under the mark the arrows start from.
    m_keyMark = markOf(weight);
    moveTo(m_keyMark ? m_places.hooks[slot(*m_keyMark)] + QPoint(0, kCarryBelow) : position(weight) - QPoint(0, kLift));
    return event;
}

LeverBoard::Event LeverBoard::step(int direction)
{
    if (!m_moving)
        return Event::None;
    const int next = m_keyMark ? std::clamp(*m_keyMark + direction, -6, 6) : (direction < 0 ? -1 : 1);
    m_keyMark = next;
    return moveTo(m_places.hooks[slot(next)] + QPoint(0, kCarryBelow));
}

LeverBoard::Event LeverBoard::hang()
{
    if (!m_moving || !m_keyMark)
        return Event::None;
    const int mark = *m_keyMark;
    const Event event = moveTo(m_places.hooks[slot(mark)]);
    if (event == Event::Refused)
        return event;
    m_keyMark = mark;
    return event;
}

LeverBoard::Event LeverBoard::takeBack()
{
    if (!m_moving)
        return Event::None;
    const Event event = moveTo(m_places.homes[index(*m_moving)]);
    release();
    return event;
}

} // namespace orbeta
