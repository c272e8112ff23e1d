// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

namespace orbeta {

// A screen of the program: a 640 x 480 widget (or a smaller window such as
// the hint window) with a background picture and a persistent image on top of
// it that drawing operations write into and painting shows.
class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(const QString& formName, QWidget* parent = nullptr);

    QString formName() const { return objectName(); }

    // The background picture; resets the persistent image to it.
    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return m_picture; }

    // What the form shows: the picture plus everything drawn persistently.
    QPixmap& persistentImage();

    // Called by the screen host each time the form comes to the front.
    void activate() { formActivated(); }

signals:
    // The mouse moved over the form's own background, not over a control.
    void backgroundMouseMoved(QPoint position);
    void backgroundMousePressed(QPoint position);

protected:
    virtual void formActivated() {}
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QPixmap m_picture;
    QPixmap m_image;
};

// Caption "Orbeta Tarovia" and the size in design pixels.
void SetUpForm(QWidget& form, int width, int height);

// The screen host scales the whole 640 x 480 design, so the forms always
// work in design pixels and nothing is rescaled here. Gives every control of
// the form a font of 12 points at 96 dpi (16 design pixels) and takes it out
// of the tab order.
void NormaliseControls(QWidget& form);

} // namespace orbeta
