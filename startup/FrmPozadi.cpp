// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "startup/FrmPozadi.h"

#include <QEvent>
#include <QTimer>

namespace orbeta {

FrmPozadi::FrmPozadi(QWidget* front)
    : m_front(front)
{
    setObjectName(QStringLiteral("frm_Pozadi"));
    setWindowTitle(QStringLiteral("Orbeta Tarovia"));
    setWindowFlag(Qt::FramelessWindowHint);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);
}

bool FrmPozadi::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        bringFrontBack();
    return QWidget::event(event);
}

void FrmPozadi::mousePressEvent(QMouseEvent*)
{
    bringFrontBack();
}

void FrmPozadi::bringFrontBack()
{
    if (m_busy || !m_front)
        return;
    m_busy = true;
    m_front->raise();
    m_front->activateWindow();
    // Activating the front window activates this one again for a moment.
    QTimer::singleShot(100, this, [this] { m_busy = false; });
}

} // namespace orbeta
