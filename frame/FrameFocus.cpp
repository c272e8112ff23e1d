// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frame/FrameFocus.h"

#include "screen/FocusFrame.h"

#include <QWidget>

namespace orbeta {

FrameFocus::FrameFocus(QWidget& form, Controls formControls, Controls frameControls)
    : m_form(form)
    , m_formControls(std::move(formControls))
    , m_frameControls(std::move(frameControls))
    , m_frame(new FocusFrame(&form))
{
}

void FrameFocus::remember()
{
    // Before the hidden form's focus is passed on (a help picture, the ranking).
    if (usable(m_form.focusWidget()))
        m_left = m_form.focusWidget();
}

void FrameFocus::restore()
{
    // The control is given the focus again, not merely found usable: the
    // focus may be nowhere after the window that had it went.
    QWidget* control = m_left ? m_left.data() : m_form.focusWidget();
    m_left = nullptr;
    if (!usable(control)) {
        first();
        return;
    }
    control->setFocus(Qt::OtherFocusReason);
    m_frame->follow(control);
}

void FrameFocus::first()
{
    if (QWidget* control = ring().first()) {
        control->setFocus(Qt::TabFocusReason);
        m_frame->follow(control);
    }
}

void FrameFocus::step(bool next)
{
    QWidget* current = m_form.focusWidget();
    if (QWidget* to = ring().next(current, next); to && to != current) {
        to->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        m_frame->follow(to);
    }
}

void FrameFocus::follow(QWidget* control)
{
    m_frame->follow(control);
}

QWidget* FrameFocus::framed() const
{
    return m_frame->followed();
}

void FrameFocus::watch(QObject* watched, QEvent::Type type)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (type == QEvent::FocusIn && widget && (widget == &m_form || m_form.isAncestorOf(widget)))
        m_frame->follow(widget);
    else if (type == QEvent::FocusOut && watched == m_frame->followed())
        m_frame->follow(nullptr);
}

bool FrameFocus::usable(const QWidget* widget) const
{
    return widget && (widget == &m_form || m_form.isAncestorOf(widget)) && widget->isEnabled() && !widget->isHidden()
           && widget->focusPolicy() != Qt::NoFocus;
}

FocusRing FrameFocus::ring() const
{
    FocusRing ring;
    for (QWidget* control : m_formControls())
        if (control->focusPolicy() != Qt::NoFocus)
            ring.add(control);
    for (QWidget* control : m_frameControls())
        ring.add(control);
    return ring;
}

} // namespace orbeta
