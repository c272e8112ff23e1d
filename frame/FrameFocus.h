// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "screen/FocusRing.h"

#include <QEvent>
#include <QPointer>

#include <functional>
#include <vector>

class QWidget;

namespace orbeta {

class FocusFrame;

// The keyboard focus of a task frame: the ring Tab and Shift+Tab go round,
// the focus frame drawn around the control that has the focus, and the
// control the pupil left when the form was hidden, given back on return.
class FrameFocus {
public:
    // Controls in the order Tab visits them.
    using Controls = std::function<std::vector<QWidget*>()>;

    // Tab goes through `formControls` (unfocusable ones passed by), then
    // `frameControls`. Makes the focus frame on `form`, above the controls
    // made before it.
    FrameFocus(QWidget& form, Controls formControls, Controls frameControls);

    // The form is being hidden: its focused control is remembered.
    void remember();
    // The control the pupil left, or the first one, takes the focus visibly.
    void restore();
    // The first control of the screen takes the focus.
    void first();
    // Tab (`next`) or Shift+Tab from the focused control.
    void step(bool next);
    // The frame stands around `control` (none: hidden).
    void follow(QWidget* control);
    // The control the frame stands around; none on a picture button, which draws its own.
    QWidget* framed() const;
    // The frame follows the focus events of the form's controls.
    void watch(QObject* watched, QEvent::Type type);

private:
    // A visible, enabled, focusable control of the form.
    bool usable(const QWidget* widget) const;
    FocusRing ring() const;

    QWidget& m_form;
    Controls m_formControls;
    Controls m_frameControls;
    FocusFrame* m_frame;
    QPointer<QWidget> m_left;
};

} // namespace orbeta
