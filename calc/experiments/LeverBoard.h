// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/basics/CalcExample.h"
#include "calc/rules/LeverTask.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>
#include <optional>

namespace orbeta {

// Where the lever's scene puts things, in scene pixels: the top left corner
// of a weight hanging at each mark (-6 to 6), the loose weights' places
// before they are moved, and the scene's size.
struct LeverPlaces {
    std::array<QPoint, 13> hooks{};
    std::array<QPoint, 3> homes{};
    QSize scene;
    QSize weight;  // a weight's picture: a moved weight stays whole inside the scene
};

// The lever of "2e" while the pupil works on it: the loose weights (1 to
// the offered count) with their positions, the weights hanging at the marks
// and the weight being moved. A copyable value; the form maps the mouse and
// the keys onto it and repaints what it says.
//
// A moved weight snaps to a target mark when its top left corner comes within
// 5 pixels of the mark's hook point; a mark that holds another weight refuses
// it and the weight jumps back to where it was picked up. Let go, a weight is
// either on a hook or back in the tray, never anywhere in between: one that
// seems to hang (its corner within kDropReach of a hook) hangs on that mark if
// the mark takes it, goes back to where it was picked up if the mark does not
// (another weight hangs there, or the red circle marks another mark), and one
// let go anywhere else goes back to its place in the tray. So every weight
// that looks hung is hung and counted, and the lever the check and the
// experiment read is the one the pupil sees. A weight moved off its mark
// empties it. The asked quantity decides the targets: the shown mark when the
// pupil chooses the weight (odd variants), every mark when the pupil chooses
// the mark. A weight chosen with a key is lifted at once, so that the pupil
// sees which one the arrows will carry.
class LeverBoard {
public:
    enum class Event { None, PickedUp, Moved, Hung, Refused, TakenOff, Dropped };
    static constexpr int kSnap = 5;
    // A weight let go this close to a hook (both ways) is on it: less than
    // half the marks' spacing, more than the 10 pixels a hand slips.
    static constexpr int kDropReach = 11;
    // How far a weight chosen with a key rises from where it stands.
    static constexpr int kLift = 10;

    LeverBoard() = default;
    LeverBoard(const CalcExample& example, const LeverPlaces& places);

    // Dragging with the mouse: `allowed` is false once the example is checked.
    Event press(int weight, bool allowed);
    // The pointer's travel since the press, in scene pixels.
    Event move(QPoint travel);
    Event release();

    // The keyboard: choose a loose weight, carry it over the marks, hang it
    // on the mark it is over, or take it back to its place.
    Event choose(int weight, bool allowed);
    Event step(int direction);
    Event hang();
    Event takeBack();

    int looseCount() const { return m_count; }
    int mass(int weight) const { return m_mass[index(weight)]; }
    QPoint position(int weight) const { return m_position[index(weight)]; }
    // The loose weight whose picture holds `point`, the topmost first.
    std::optional<int> weightAt(QPoint point, QSize weightSize) const;
    std::optional<int> moving() const { return m_moving; }
    // The mark the keyboard carries the chosen weight over.
    std::optional<int> keyMark() const { return m_keyMark; }
    // The mark shown in red: the pupil chooses the weight for it.
    std::optional<int> shownMark() const { return m_shownMark; }
    const LeverState& lever() const { return m_lever; }
    // A weight of the tray hangs on the lever.
    bool weightHung() const;
    // The mark a loose weight hangs at, if it hangs.
    std::optional<int> markOf(int weight) const;

private:
    static std::size_t index(int weight) { return static_cast<std::size_t>(weight - 1); }
    static std::size_t slot(int mark) { return static_cast<std::size_t>(mark + 6); }
    bool isTarget(int mark) const;
    // A weight's corner within `reach` of the mark's hook, both ways.
    bool nearHook(QPoint corner, int mark, int reach = kSnap) const;
    // Moves the weight being moved and applies the snapping rules.
    Event moveTo(QPoint at);

    LeverPlaces m_places;
    LeverState m_lever{};
    int m_count = 0;
    std::array<int, 3> m_mass{};
    std::array<QPoint, 3> m_position{};
    std::optional<int> m_shownMark;
    std::optional<int> m_moving;
    std::optional<int> m_keyMark;
    QPoint m_pickedAt;
};

} // namespace orbeta
