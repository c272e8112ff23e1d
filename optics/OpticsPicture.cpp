// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "optics/OpticsPicture.h"

#include "optics/ConstructionPainter.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace orbeta {

OpticsPicture::OpticsPicture(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Pic"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void OpticsPicture::setScene(const OpticsExample* example, const RayDrawing* drawing, const QImage& picture)
{
    m_example = example;
    m_drawing = drawing;
    m_picture = picture;
    m_rubberBand.reset();
    m_chosenStart.reset();
    update();
}

void OpticsPicture::setRubberBand(std::optional<QLine> line)
{
    m_rubberBand = line;
    update();
}

void OpticsPicture::setChosenStart(std::optional<QPoint> start)
{
    m_chosenStart = start;
    update();
}

bool OpticsPicture::event(QEvent* event)
{
    // Tab chooses a ray start here instead of moving the focus on.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QWidget::event(event);
}

void OpticsPicture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (!m_example)
        return;
    ConstructionPainter::drawScene(p, *m_example, m_picture);
    if (m_drawing)
        ConstructionPainter::drawPupil(p, *m_drawing, false);
    if (m_rubberBand)
        ConstructionPainter::drawRubberBand(p, *m_rubberBand);
    if (m_chosenStart)
        ConstructionPainter::drawChosenStart(p, *m_chosenStart);
}

void OpticsPicture::mousePressEvent(QMouseEvent* event)
{
    emit pressed(event->position().toPoint(), event->button());
}

void OpticsPicture::mouseMoveEvent(QMouseEvent* event)
{
    emit moved(event->position().toPoint(), event->buttons());
}

void OpticsPicture::mouseReleaseEvent(QMouseEvent* event)
{
    emit released(event->position().toPoint(), event->button());
}

void OpticsPicture::keyPressEvent(QKeyEvent* event)
{
    emit keyPressed(event->key(), event->modifiers());
}

} // namespace orbeta
