#include "shell/PictureButton.h"

#include <QMouseEvent>
#include <QPainter>

namespace orbeta {

PictureButton::PictureButton(QWidget* parent, std::uint8_t hoverId)
    : QWidget(parent)
    , hoverId_(hoverId)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void PictureButton::setPictures(const QPixmap& normal, const QPixmap& highlighted, const QPixmap& chosen)
{
    normal_ = normal;
    highlighted_ = highlighted;
    chosen_ = chosen;
    setLook(look_);
}

void PictureButton::setLook(Look look)
{
    look_ = look;
    switch (look) {
    case Look::Normal:
        setPicture(normal_);
        break;
    case Look::Highlighted:
        setPicture(highlighted_);
        break;
    case Look::Chosen:
        setPicture(chosen_.isNull() ? highlighted_ : chosen_);
        break;
    }
}

void PictureButton::setPicture(const QPixmap& picture)
{
    shown_ = picture;
    fitToPicture();
    update();
}

void PictureButton::showNormalUnlessMarked()
{
    if (!marked_)
        showNormal();
}

void PictureButton::setFixedPictureSize(QSize size)
{
    fixedSize_ = true;
    resize(size);
}

QSize PictureButton::sizeHint() const
{
    return shown_.isNull() ? size() : shown_.size();
}

void PictureButton::fitToPicture()
{
    if (!fixedSize_ && !shown_.isNull() && shown_.size() != size())
        resize(shown_.size());
}

void PictureButton::paintEvent(QPaintEvent*)
{
    if (shown_.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, shown_);
}

void PictureButton::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMoved(event->position().toPoint());
}

void PictureButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    pressed_ = true;
    emit mousePressed(event->position().toPoint());
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !pressed_)
        return;
    pressed_ = false;
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace orbeta
