// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "optics/OpticsExample.h"
#include "optics/RayDrawing.h"

#include <QImage>
#include <QLine>
#include <QWidget>

#include <optional>

namespace orbeta {

// `Pic`: the drawing area of the optics form. It paints the example, the
// pupil's rays and the line being drawn, and hands the mouse and the keys
// to the form.
class OpticsPicture : public QWidget {
    Q_OBJECT
public:
    explicit OpticsPicture(QWidget* parent);

    void setScene(const OpticsExample* example, const RayDrawing* drawing, const QImage& picture);
    void setRubberBand(std::optional<QLine> line);
    void setChosenStart(std::optional<QPoint> start);

signals:
    void pressed(QPoint at, Qt::MouseButton button);
    void moved(QPoint at, Qt::MouseButtons buttons);
    void released(QPoint at, Qt::MouseButton button);
    void keyPressed(int key, Qt::KeyboardModifiers modifiers);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    const OpticsExample* m_example = nullptr;
    const RayDrawing* m_drawing = nullptr;
    QImage m_picture;
    std::optional<QLine> m_rubberBand;
    std::optional<QPoint> m_chosenStart;
};

} // namespace orbeta
