#pragma once

#include "look/ButtonLook.h"

#include <QPixmap>
#include <QWidget>
#include <cstdint>

namespace orbeta {

// A button drawn as a picture: a normal picture (names ending in "_0.bmp"),
// a highlighted one ("_1.bmp") and optionally a chosen one. Its selection
// mark is the tag of the original controls: a marked button keeps its
// highlighted (or chosen) picture when the mouse leaves it. The widget takes
// the size of the picture it shows unless a fixed size is given.
class PictureButton : public QWidget {
    Q_OBJECT
public:
    using Look = ButtonLook;

    explicit PictureButton(QWidget* parent = nullptr, std::uint8_t hoverId = 0);

    void setPictures(const QPixmap& normal, const QPixmap& highlighted, const QPixmap& chosen = QPixmap());
    const QPixmap& normalPicture() const { return normal_; }
    const QPixmap& highlightedPicture() const { return highlighted_; }

    // Shows one of the stored pictures.
    void setLook(Look look);
    void showNormal() { setLook(Look::Normal); }
    void showHighlighted() { setLook(Look::Highlighted); }
    void showChosen() { setLook(Look::Chosen); }
    Look look() const { return look_; }

    // Shows any picture (animation frames, backgrounds).
    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return shown_; }

    // The selection mark ("1" or "0" in the tag).
    bool isMarked() const { return marked_; }
    void setMarked(bool marked) { marked_ = marked; }
    // Normal picture unless marked.
    void showNormalUnlessMarked();

    std::uint8_t hoverId() const { return hoverId_; }
    void setHoverId(std::uint8_t id) { hoverId_ = id; }

    // Keeps the given size instead of following the picture.
    void setFixedPictureSize(QSize size);

    QSize sizeHint() const override;

signals:
    void mouseMoved(QPoint position);
    void mousePressed(QPoint position);
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void fitToPicture();

    QPixmap normal_;
    QPixmap highlighted_;
    QPixmap chosen_;
    QPixmap shown_;
    Look look_ = Look::Normal;
    bool marked_ = false;
    bool pressed_ = false;
    bool fixedSize_ = false;
    std::uint8_t hoverId_ = 0;
};

} // namespace orbeta
