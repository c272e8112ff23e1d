// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screen/Form.h"

#include "look/basics/Layout.h"

#include <QMouseEvent>
#include <QPainter>

namespace orbeta {

Form::Form(const QString& formName, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(formName);
    setWindowTitle(QStringLiteral("Orbeta Tarovia"));
    setFixedSize(Layout::kScreen.width(), Layout::kScreen.height());
    setMouseTracking(true);
    setAutoFillBackground(false);
    hide();
}

void Form::setPicture(const QPixmap& picture)
{
    m_picture = picture;
    m_image = QPixmap();
    update();
}

QPixmap& Form::persistentImage()
{
    if (m_image.isNull() || m_image.size() != size()) {
        QPixmap fresh(size());
        fresh.fill(palette().color(QPalette::Window));
        if (!m_picture.isNull() || !m_image.isNull()) {
            QPainter painter(&fresh);
            painter.drawPixmap(0, 0, m_image.isNull() ? m_picture : m_image);
        }
        m_image = fresh;
    }
    return m_image;
}

void Form::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (!m_image.isNull())
        painter.drawPixmap(0, 0, m_image);
    else if (!m_picture.isNull()) {
        painter.fillRect(event->rect(), palette().color(QPalette::Window));
        painter.drawPixmap(0, 0, m_picture);
    } else
        painter.fillRect(event->rect(), palette().color(QPalette::Window));
}

void Form::mouseMoveEvent(QMouseEvent* event)
{
    emit backgroundMouseMoved(event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}

void Form::mousePressEvent(QMouseEvent* event)
{
    emit backgroundMousePressed(event->position().toPoint());
    QWidget::mousePressEvent(event);
}

void SetUpForm(QWidget& form, int width, int height)
{
    form.setWindowTitle(QStringLiteral("Orbeta Tarovia"));
    form.setFixedSize(width, height);
}

void NormaliseControls(QWidget& form)
{
    const auto controls = form.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* control : controls) {
        if (control->isWindow())
            continue;
        QFont font = control->font();
        font.setPixelSize(16);
        control->setFont(font);
        if (control->focusPolicy() & Qt::TabFocus)
            control->setFocusPolicy(Qt::ClickFocus);
    }
}

} // namespace orbeta
