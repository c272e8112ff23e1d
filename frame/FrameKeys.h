// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QEvent>
#include <QStringView>

#include <functional>

class QObject;
class QWidget;

namespace orbeta {

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
// step back, a click shutting the hint, the second click of a double click
// begun on the screen before dropped, and the release of a held mark. Under
// a modal window every key passes by.
class FrameKeys {
public:
    // What the keys and clicks act on.
    struct Frame {
        std::function<bool()> inFront;        // the form is shown and in front
        std::function<bool()> left;           // the form is on its way out
        std::function<void(FrameKey)> press;  // does what the key stands for
        std::function<QWidget*()> shownHint;  // the hint window shown last, if any
        std::function<void()> hideHint;
        std::function<bool()> cancelStep;     // the form's half-done step undone; false when none
        std::function<void()> back;
        std::function<bool(QObject*)> heldMark; // a mark whose solution shows while it is held
    };

    FrameKeys(QWidget& form, Frame frame) : m_form(form), m_frame(std::move(frame)) {}

    // The row of `action` in the table.
    static const KeyBinding& binding(FrameKey action);
    // A message box, the print dialog or another modal window is open.
    static bool underModalWindow();

    // The form came to the front: no press has reached it yet.
    void screenShown() { m_freshScreen = true; }
    // True when the event was the frame's and is done with.
    bool route(QObject* watched, QEvent* event);

private:
    // The key pressed on the form in front; false when it is no key of the frame.
    bool functionKey(int key);
    bool ownWidget(QObject* object) const;

    QWidget& m_form;
    Frame m_frame;
    // No press has reached the form since it came to the front.
    bool m_freshScreen = true;
};

} // namespace orbeta
