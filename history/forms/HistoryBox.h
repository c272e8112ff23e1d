// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "look/screens/HistoryPainter.h"

#include <QWidget>

namespace orbeta {

// A movable box, a slot of the persons' timeline or the frame of a keyboard
// target, drawn by the look library and shaped as its rounded outline. The
// form moves it; the box reports the mouse in form coordinates.
class HistoryBox : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Box, Slot, Target };

    HistoryBox(Kind kind, int pixelSize, QWidget* parent);

    Kind kind() const { return m_kind; }
    void setText(const QString& text);
    QString text() const { return m_text; }
    void setState(HistoryPainter::BoxState state);
    HistoryPainter::BoxState state() const { return m_state; }

signals:
    void pressed(QPoint formPosition);
    void moved(QPoint formPosition);
    void released(QPoint formPosition);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPoint inForm(QPoint local) const;

    Kind m_kind;
    int m_pixelSize;
    QString m_text;
    HistoryPainter::BoxState m_state = HistoryPainter::BoxState::Resting;
};

} // namespace orbeta
