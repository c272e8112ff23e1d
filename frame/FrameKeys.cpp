// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frame/FrameKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <algorithm>

namespace orbeta {
namespace {

// A key for another button of the frame goes here.
constexpr KeyBinding kFrameKeys[] = {
    {Qt::Key_F1, FrameKey::Help, {}, {}, {}},
    {Qt::Key_F2, FrameKey::Start, {}, {}, {}},
    {Qt::Key_F3, FrameKey::Check, u"Vyhodnoť", u"Vyhodnoť (F3)", u"Kláves F3."},
    {Qt::Key_F4, FrameKey::Continue, u"Pokračuj", u"Pokračuj (F4)", u"Ďalší príklad. Kláves F4."},
    {Qt::Key_F6, FrameKey::New, {}, {}, u"Kláves F6."},
    {Qt::Key_F7, FrameKey::NextRow, {}, {}, {}},
    {Qt::Key_F8, FrameKey::PreviousRow, {}, {}, {}},
    {Qt::Key_F9, FrameKey::Solution, {}, {}, u"Riešenie ukáže kláves F9."},
};

} // namespace

const KeyBinding& FrameKeys::binding(FrameKey action)
{
    return *std::find_if(std::begin(kFrameKeys), std::end(kFrameKeys),
                         [action](const KeyBinding& b) { return b.action == action; });
}

bool FrameKeys::underModalWindow()
{
    return QApplication::activeModalWidget() != nullptr;
}

bool FrameKeys::functionKey(int key)
{
    if (!m_frame.inFront() || m_frame.left())
        return false;
    const auto binding = std::find_if(std::begin(kFrameKeys), std::end(kFrameKeys),
                                      [key](const KeyBinding& b) { return b.key == key; });
    if (binding == std::end(kFrameKeys))
        return false;
    m_frame.press(binding->action);
    return true;
}

bool FrameKeys::ownWidget(QObject* object) const
{
    auto* widget = qobject_cast<QWidget*>(object);
    return widget && (widget == &m_form || m_form.isAncestorOf(widget));
}

bool FrameKeys::route(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    // Under a message box or the print dialog the keys are that window's:
    // none acts on the form beneath.
    if (type == QEvent::KeyPress && !underModalWindow()) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat() && key->modifiers() == Qt::NoModifier && functionKey(key->key()))
            return true;
        // Escape goes one step back: the hint shut, the form's half-done
        // step undone, else the way back (which asks when answers would be lost).
        if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier && m_frame.inFront()) {
            if (QWidget* hint = m_frame.shownHint(); hint && hint->isVisible()) {
                m_frame.hideHint();
                return true;
            }
            if (ownWidget(watched)) {
                if (!key->isAutoRepeat() && !m_frame.cancelStep())
                    m_frame.back();
                return true;
            }
        }
    }
    if (const QObject* hint = m_frame.shownHint(); type == QEvent::MouseButtonPress && watched && watched == hint) {
        m_frame.hideHint();
        return true;
    }
    if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) && ownWidget(watched)) {
        // The second click of a double click on the screen before this one
        // (its back button stands where this form's does) is not the pupil's
        // click on this form.
        if (type == QEvent::MouseButtonDblClick && m_freshScreen)
            return true;
        m_freshScreen = false;
    }
    if (type == QEvent::MouseButtonRelease && m_frame.heldMark(watched))
        m_frame.hideHint();
    return false;
}

} // namespace orbeta
