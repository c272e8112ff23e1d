// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screen/PictureButton.h"

#include "look/controls/DisabledLook.h"
#include "look/controls/FocusPainter.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace orbeta {

namespace {

// Tells Qt's accessibility (AT-SPI, read by a screen reader) that a
// PictureButton is a button (or a choice of a group) that can be pressed.
class PictureButtonAccessible : public QAccessibleWidget {
public:
    explicit PictureButtonAccessible(PictureButton* button)
        : QAccessibleWidget(button, button->accessibleRole())
    {
    }

    QAccessible::Role role() const override { return button()->accessibleRole(); }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (role() == QAccessible::RadioButton) {
            s.checkable = true;
            s.checked = button()->isMarked();
        }
        return s;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (button()->isEnabled() && role() != QAccessible::Graphic)
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& actionName) override
    {
        if (actionName == pressAction() && actionNames().contains(pressAction()) && button()->isVisible())
            button()->press();
        else
            QAccessibleWidget::doAction(actionName);
    }

private:
    PictureButton* button() const { return static_cast<PictureButton*>(widget()); }
};

QAccessibleInterface* pictureButtonAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("orbeta::PictureButton"))
        return new PictureButtonAccessible(static_cast<PictureButton*>(object));
    return nullptr;
}

} // namespace

PictureButton::PictureButton(QWidget* parent, std::uint8_t hoverId)
    : QWidget(parent)
    , m_hoverId(hoverId)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setFocusPolicy(Qt::StrongFocus);
    // Qt keeps a factory once however often it is installed.
    QAccessible::installFactory(pictureButtonAccessible);
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

void PictureButton::setMarked(bool marked)
{
    if (marked == m_marked)
        return;
    m_marked = marked;
    if (m_role == QAccessible::RadioButton && QAccessible::isActive()) {
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
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

void PictureButton::press()
{
    // A press may take the form away (the back buttons unload it).
    const QPointer<PictureButton> self(this);
    emit mousePressed(rect().center());
    if (self)
        emit clicked();
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_shown.isNull())
        painter.drawPixmap(0, 0, shownFace());
    if (hasFocus())
        FocusPainter::drawFrame(painter, rect());
}

QPixmap PictureButton::shownFace() const
{
    if (isEnabled() || !m_disabledLook)
        return m_shown;
    // No highlight on a button that cannot be pressed.
    const QPixmap& face = m_look == Look::Highlighted && !m_normal.isNull() && m_shown.cacheKey() == m_highlighted.cacheKey()
                              ? m_normal
                              : m_shown;
    if (m_muted.isNull() || m_mutedKey != face.cacheKey()) {
        m_muted = QPixmap::fromImage(DisabledLook::muted(face.toImage()));
        m_mutedKey = face.cacheKey();
    }
    return m_muted;
}

void PictureButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        update();
    QWidget::changeEvent(event);
}

void PictureButton::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // A held key presses once.
        if (!event->isAutoRepeat() && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
            press();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void PictureButton::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
    emit focusChanged(true, event->reason());
}

void PictureButton::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
    emit focusChanged(false, event->reason());
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
