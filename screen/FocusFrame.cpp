// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screen/FocusFrame.h"

#include "look/controls/FocusPainter.h"
#include "screen/PictureButton.h"

#include <QPainter>

namespace orbeta {

FocusFrame::FocusFrame(QWidget* form)
    : QFocusFrame(form)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void FocusFrame::follow(QWidget* control)
{
    QWidget* form = parentWidget();
    m_control = control;
    if (!control || control == form || !form->isAncestorOf(control) || qobject_cast<PictureButton*>(control)
        || control->isHidden()) {
        hide();
        return;
    }
    const int margin = int(FocusPainter::kWidth) + 1;
    setGeometry(QRect(control->mapTo(form, QPoint(0, 0)), control->size()).adjusted(-margin, -margin, margin, margin));
    raise();
    show();
    update();
}

void FocusFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    FocusPainter::drawFrame(painter, rect());
}

} // namespace orbeta
