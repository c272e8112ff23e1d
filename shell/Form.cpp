#include "shell/Form.h"

#include "shell/ScreenHost.h"

#include <QMouseEvent>
#include <QPainter>

namespace orbeta {

Form::Form(const QString& formName, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(formName);
    setWindowTitle(QStringLiteral("Orbeta Tarovia"));
    setFixedSize(ScreenHost::DesignWidth, ScreenHost::DesignHeight);
    setMouseTracking(true);
    setAutoFillBackground(false);
    hide();
}

void Form::setPicture(const QPixmap& picture)
{
    picture_ = picture;
    image_ = QPixmap();
    update();
}

QPixmap& Form::persistentImage()
{
    if (image_.isNull() || image_.size() != size()) {
        QPixmap fresh(size());
        fresh.fill(palette().color(QPalette::Window));
        if (!picture_.isNull() || !image_.isNull()) {
            QPainter painter(&fresh);
            painter.drawPixmap(0, 0, image_.isNull() ? picture_ : image_);
        }
        image_ = fresh;
    }
    return image_;
}

void Form::clearDrawing()
{
    image_ = QPixmap();
    update();
}

void Form::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (!image_.isNull())
        painter.drawPixmap(0, 0, image_);
    else if (!picture_.isNull()) {
        painter.fillRect(event->rect(), palette().color(QPalette::Window));
        painter.drawPixmap(0, 0, picture_);
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

} // namespace orbeta
