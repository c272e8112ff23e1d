// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringView>

class QEvent;
class QObject;

namespace orbeta {

class TaskFrame;

// What a function key of the frame presses.
enum class FrameKey { Help, Start, Check, Continue, New, NextRow, PreviousRow, Solution };

// A function key of the frame, described once: what it presses and, for a
// button of the frame, the button's name, tip and the text a screen reader adds.
struct KeyBinding {
    int key;
    FrameKey action;
    QStringView name; // empty: no button, or the form's Design names it
    QStringView tip;
    QStringView description;
};

// The keys and clicks of a task frame as its application-wide event filter
// sees them: the function keys of `kFrameKeys` (FrameKeys.cpp), Escape one
// step back, the focus frame following the focus, a click shutting the hint,
// the second click of a double click begun on the screen before dropped, and
// the release of a held mark. Under a modal window every key passes by.
class FrameKeys {
public:
    explicit FrameKeys(TaskFrame& frame) : m_frame(frame) {}

    // The row of `action` in the table.
    static const KeyBinding& binding(FrameKey action);
    // A message box, the print dialog or another modal window is open.
    static bool underModalWindow();

    // True when the event was the frame's and is done with.
    bool route(QObject* watched, QEvent* event);

private:
    // The key pressed on the form in front; false when it is no key of the frame.
    bool functionKey(int key);
    bool ownWidget(QObject* object) const;

    TaskFrame& m_frame;
};

} // namespace orbeta
