// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "look/basics/ButtonLook.h"

#include <QAccessible>
#include <QPixmap>
#include <QWidget>
#include <cstdint>

namespace orbeta {

// A button drawn as a picture: a normal picture (names ending in "_0.bmp"),
// a highlighted one ("_1.bmp") and optionally a chosen one. Its selection
// mark is the tag of the original controls: a marked button keeps its
// highlighted (or chosen) picture when the mouse leaves it. The widget takes
// the size of the picture it shows unless a fixed size is given.
//
// By keys it works like a click: Space, Enter or Return press it once, and
// the keyboard's focus is drawn on it in the look of every screen. A screen
// reader announces its accessible name (give each button one, in Slovak) and
// its role: a button, or a choice of a group whose mark is its checked state.
class PictureButton : public QWidget {
    Q_OBJECT
public:
    using Look = ButtonLook;

    explicit PictureButton(QWidget* parent = nullptr, std::uint8_t hoverId = 0);

    void setPictures(const QPixmap& normal, const QPixmap& highlighted, const QPixmap& chosen = QPixmap());
    const QPixmap& normalPicture() const { return m_normal; }
    const QPixmap& highlightedPicture() const { return m_highlighted; }

    // Shows one of the stored pictures.
    void setLook(Look look);
    void showNormal() { setLook(Look::Normal); }
    void showHighlighted() { setLook(Look::Highlighted); }
    void showChosen() { setLook(Look::Chosen); }
    Look look() const { return m_look; }

    // Shows any picture (animation frames, backgrounds).
    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return m_shown; }

    // The selection mark ("1" or "0" in the tag).
    bool isMarked() const { return m_marked; }
    void setMarked(bool marked);
    // Normal picture unless marked.
    void showNormalUnlessMarked();

    std::uint8_t hoverId() const { return m_hoverId; }
    void setHoverId(std::uint8_t id) { m_hoverId = id; }

    // Whether a disabled button shows the muted look (on by default); a
    // button whose picture is no control (a mark, an empty strip) keeps it.
    void setDisabledLook(bool on);

    // Keeps the given size instead of following the picture.
    void setFixedPictureSize(QSize size);

    QSize sizeHint() const override;

    // What a click does (mousePressed, then clicked), for the keys and the
    // screen reader's press action.
    void press();

    QAccessible::Role accessibleRole() const { return m_role; }
    // A choice of a group (RadioButton) reports its mark as checked; a
    // Graphic is a picture that cannot be pressed.
    void setAccessibleRole(QAccessible::Role role) { m_role = role; }

signals:
    void mouseMoved(QPoint position);
    void mousePressed(QPoint position);
    void clicked();
    // The keyboard's focus came to this button or left it, for `reason`.
    void focusChanged(bool hasFocus, Qt::FocusReason reason);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void fitToPicture();
    // The picture as drawn: muted while the button cannot be pressed.
    QPixmap shownFace() const;

    QPixmap m_normal;
    QPixmap m_highlighted;
    QPixmap m_chosen;
    QPixmap m_shown;
    Look m_look = Look::Normal;
    bool m_marked = false;
    bool m_pressed = false;
    bool m_fixedSize = false;
    bool m_disabledLook = true;
    mutable QPixmap m_muted; // cache of the muted face
    mutable qint64 m_mutedKey = 0;
    std::uint8_t m_hoverId = 0;
    QAccessible::Role m_role = QAccessible::Button;
};

} // namespace orbeta
