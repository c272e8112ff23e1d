// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tasks/TaskTable.h"

#include <QRect>
#include <QSize>
#include <QString>

namespace orbeta {

// How the hint window of one task is built: its bubble picture and size, and
// either a line of text or a picture box that the task form draws into.
class HintLayout {
public:
    static HintLayout forTask(const QString& taskCode);
    static HintLayout forBubble(HintBubble bubble);

    // Relative to the resource directory; empty for a code without a hint window.
    QString picture() const { return m_picture; }
    QSize windowSize() const { return m_window; }
    bool showsText() const { return m_showsText; }
    // The text label inside the window; kept for the hidden label as well.
    QRect textArea() const { return m_textArea; }
    // Where the text label sits before any shrinking moves it down.
    int baseTop() const { return m_baseTop; }
    // The persons of the timeline stand centred in their bubble.
    Qt::Alignment textAlignment() const { return m_alignment; }
    // The picture box `Pic`, for the variants that show it.
    QRect pictureArea() const { return m_pictureArea; }

    // The picture box as the form designs it; the optics variant moves it.
    static QRect designedPictureArea() { return {16, 26, 371, 317}; }

private:
    QString m_picture;
    QSize m_window;
    bool m_showsText = true;
    QRect m_textArea;
    int m_baseTop = 0;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignTop;
    QRect m_pictureArea;
};

} // namespace orbeta
