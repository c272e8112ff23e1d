#include "shell/PictureButton.h"

#include "look/DisabledLook.h"

#include <QMouseEvent>
#include <QPainter>

namespace orbeta {

PictureButton::PictureButton(QWidget* parent, std::uint8_t hoverId)
    : QWidget(parent)
    , m_hoverId(hoverId)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void PictureButton::setPictures(const QPixmap& normal, const QPixmap& highlighted, const QPixmap& chosen)
{
    m_normal = normal;
    m_highlighted = highlighted;
    m_chosen = chosen;
    setLook(m_look);
}

void PictureButton::setLook(Look look)
{
    m_look = look;
    switch (look) {
    case Look::Normal:
        setPicture(m_normal);
        break;
    case Look::Highlighted:
        setPicture(m_highlighted);
        break;
    case Look::Chosen:
        setPicture(m_chosen.isNull() ? m_highlighted : m_chosen);
        break;
    }
}

void PictureButton::setPicture(const QPixmap& picture)
{
    m_shown = picture;
    fitToPicture();
    update();
}

void PictureButton::showNormalUnlessMarked()
{
    if (!m_marked)
        showNormal();
}

void PictureButton::setFixedPictureSize(QSize size)
{
    m_fixedSize = true;
    resize(size);
}

QSize PictureButton::sizeHint() const
{
    return m_shown.isNull() ? size() : m_shown.size();
}

void PictureButton::fitToPicture()
{
    if (!m_fixedSize && !m_shown.isNull() && m_shown.size() != size())
        resize(m_shown.size());
}

void PictureButton::setDisabledLook(bool on)
{
    m_disabledLook = on;
    update();
}

void PictureButton::paintEvent(QPaintEvent*)
{
    if (m_shown.isNull())
        return;
    QPainter painter(this);
    if (isEnabled() || !m_disabledLook) {
        painter.drawPixmap(0, 0, m_shown);
        return;
    }
    // No highlight on a button that cannot be pressed.
    const QPixmap& face = m_look == Look::Highlighted && !m_normal.isNull() && m_shown.cacheKey() == m_highlighted.cacheKey()
                              ? m_normal
                              : m_shown;
    if (m_muted.isNull() || m_mutedKey != face.cacheKey()) {
        m_muted = QPixmap::fromImage(DisabledLook::muted(face.toImage()));
        m_mutedKey = face.cacheKey();
    }
    painter.drawPixmap(0, 0, m_muted);
}

void PictureButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        update();
    QWidget::changeEvent(event);
}

void PictureButton::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMoved(event->position().toPoint());
}

void PictureButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_pressed = true;
    emit mousePressed(event->position().toPoint());
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_pressed)
        return;
    m_pressed = false;
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace orbeta
