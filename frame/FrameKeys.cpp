// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frame/FrameKeys.h"

#include "frame/FrameFocus.h"
#include "frame/TaskFrame.h"
#include "look/PictureNames.h"
#include "screen/HelpScreens.h"
#include "screen/PictureButton.h"
#include "services/Services.h"

#include <QApplication>
#include <QKeyEvent>

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
    TaskFrame& f = m_frame;
    if (!f.isVisible() || !f.inFront() || f.m_left)
        return false;
    const auto binding = std::find_if(std::begin(kFrameKeys), std::end(kFrameKeys),
                                      [key](const KeyBinding& b) { return b.key == key; });
    if (binding == std::end(kFrameKeys))
        return false;
    switch (binding->action) {
    case FrameKey::Help:
        if (!f.busy()) {
            f.hideHint();
            PlayClickSound(f.m_services);
            ShowHelpPicture(f.m_services, PictureNames::taskHelp(f.m_code), &f);
        }
        break;
    case FrameKey::NextRow:
    case FrameKey::PreviousRow:
        f.stepRow(binding->action == FrameKey::NextRow ? 1 : -1);
        break;
    case FrameKey::Solution:
        f.toggleSolution();
        break;
    case FrameKey::Start:
        f.startKey();
        break;
    case FrameKey::Check:
        if (f.PicTop[0]->isEnabled())
            f.check();
        break;
    case FrameKey::Continue:
        f.continueSeries();
        break;
    case FrameKey::New:
        if (f.PicTop[1]->isEnabled()) {
            PlayClickSound(f.m_services);
            f.newExample();
        }
        break;
    }
    return true;
}

bool FrameKeys::ownWidget(QObject* object) const
{
    auto* widget = qobject_cast<QWidget*>(object);
    return widget && (widget == &m_frame || m_frame.isAncestorOf(widget));
}

bool FrameKeys::route(QObject* watched, QEvent* event)
{
    TaskFrame& f = m_frame;
    const auto type = event->type();
    // Under a message box or the print dialog the keys are that window's:
    // none acts on the form beneath.
    if (type == QEvent::KeyPress && !underModalWindow()) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat() && key->modifiers() == Qt::NoModifier && functionKey(key->key()))
            return true;
        // Escape goes one step back: the hint shut, the form's half-done
        // step undone, else the way back (which asks when answers would be lost).
        if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier && f.isVisible() && f.inFront()) {
            if (f.m_hintShown && f.m_hintShown->isVisible()) {
                f.hideHint();
                return true;
            }
            if (ownWidget(watched)) {
                if (!key->isAutoRepeat() && !f.cancelStep())
                    f.back();
                return true;
            }
        }
    }
    // The stage is shown through the host's view, whose focus the
    // application reports: the frame follows the focus events of the controls.
    f.m_focus->watch(watched, type);
    if (watched == f.m_hintShown && type == QEvent::MouseButtonPress) {
        f.hideHint();
        return true;
    }
    if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) && ownWidget(watched)) {
        // The second click of a double click on the screen before this one
        // (its back button stands where this form's does) is not the pupil's
        // click on this form.
        if (type == QEvent::MouseButtonDblClick && f.m_freshScreen)
            return true;
        f.m_freshScreen = false;
    }
    if (f.m_design.holdMark && type == QEvent::MouseButtonRelease
        && std::find(f.IHodnoceni.begin(), f.IHodnoceni.end(), watched) != f.IHodnoceni.end())
        f.hideHint();
    return false;
}

} // namespace orbeta
