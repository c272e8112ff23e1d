// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <QWidget>

namespace orbeta {

// The backdrop: a plain full-screen window covering the desktop when the
// program cannot run full screen. Whenever it is activated (the pupil
// clicked beside the 640 x 480 window) it brings the program's window back
// to the front.
class FrmPozadi : public QWidget {
    Q_OBJECT
public:
    explicit FrmPozadi(QWidget* front);

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void bringFrontBack();

    QPointer<QWidget> m_front;
    bool m_busy = false;
};

} // namespace orbeta
