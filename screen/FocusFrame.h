// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <QFocusFrame>

namespace orbeta {

// The keyboard's focus around a control that draws none itself (a box, a
// picture of a scene), in the look of every screen. It stands above the
// control's neighbours, so a box on a scene shows it whole, and lets every
// click through. A QFocusFrame, which screen readers are not shown: the
// control inside it says that it has the focus.
class FocusFrame : public QFocusFrame {
    Q_OBJECT
public:
    explicit FocusFrame(QWidget* form);

    // Around `control`, a descendant of the form; hidden for none, for the
    // form itself and for a picture button, which draws its own.
    void follow(QWidget* control);
    QWidget* followed() const { return isHidden() ? nullptr : m_control.data(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPointer<QWidget> m_control;
};

} // namespace orbeta
