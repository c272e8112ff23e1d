// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/forms/HistoryBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace orbeta {

HistoryBox::HistoryBox(Kind kind, int pixelSize, QWidget* parent)
    : QWidget(parent)
    , m_kind(kind)
    , m_pixelSize(pixelSize)
{
    setMouseTracking(true);
    if (kind == Kind::Target)
        setAttribute(Qt::WA_TransparentForMouseEvents);
}

void HistoryBox::setText(const QString& text)
{
    m_text = text;
    update();
}

void HistoryBox::setState(HistoryPainter::BoxState state)
{
    m_state = state;
    update();
}

void HistoryBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRectF r(rect());
    switch (m_kind) {
    case Kind::Box:
        HistoryPainter::drawBox(painter, r, m_text, m_pixelSize, m_state);
        break;
    case Kind::Slot:
        HistoryPainter::drawSlot(painter, r, m_text, m_state == HistoryPainter::BoxState::Focused);
        break;
    case Kind::Target:
        HistoryPainter::drawTarget(painter, r);
        break;
    }
}

void HistoryBox::resizeEvent(QResizeEvent*)
{
    // The rounded outline is the box's shape: the corners let the mouse
    // through to what lies below.
    if (m_kind != Kind::Target)
        setMask(QRegion(HistoryPainter::boxPath(QRectF(rect())).toFillPolygon().toPolygon()));
}

QPoint HistoryBox::inForm(QPoint local) const
{
    return parentWidget() ? mapTo(parentWidget(), local) : local;
}

void HistoryBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit pressed(inForm(event->position().toPoint()));
}

void HistoryBox::mouseMoveEvent(QMouseEvent* event)
{
    emit moved(inForm(event->position().toPoint()));
}

void HistoryBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit released(inForm(event->position().toPoint()));
}

} // namespace orbeta
