// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "look/basics/Layout.h"

#include <QGraphicsView>
#include <QImage>
#include <QPoint>
#include <QPointer>

#include <cstdint>

class QGraphicsProxyWidget;

namespace orbeta {

// The one window of the program. Every form is a child of a 640 x 480 stage
// widget, which this view shows scaled up with its aspect kept (black bars
// where needed) and sharp at any resolution; mouse positions reach the forms
// in design pixels. Smaller windows such as the hint window are children of
// the stage too, above the current form; a mask cut from their picture lets
// clicks on their transparent pixels through to the form below.
class ScreenHost : public QGraphicsView {
    Q_OBJECT
public:
    static constexpr int kDesignWidth = Layout::kScreen.width();
    static constexpr int kDesignHeight = Layout::kScreen.height();

    explicit ScreenHost(QWidget* parent = nullptr);

    // The host whose stage shows `widget` (a form, or any widget of one);
    // null for a widget on no host's stage.
    static ScreenHost* of(const QWidget* widget);

    QWidget* stage() const { return m_stage; }

    // Puts `form` on the stage if needed, shows it in front of every other
    // form, makes it the current form and runs its activation.
    void showForm(QWidget* form);
    void hideForm(QWidget* form);
    // Hides the form and deletes it once control returns to the event loop.
    void unloadForm(QWidget* form);
    // Shows a smaller window above the current form at a design position.
    void showPopup(QWidget* window, QPoint topLeft);
    // The form on the stage with this object name, if any.
    QWidget* findForm(const QString& formName) const;
    // The 640 x 480 form in front, or null once it is unloaded.
    QWidget* currentForm() const { return m_currentForm; }
    // The highlighted item of the front form, 0 for none.
    std::uint8_t hoverId() const { return m_hoverId; }
    void setHoverId(std::uint8_t id) { m_hoverId = id; }

    // The pointer over the stage now, as a form chose it on a move; the
    // view would take it from the widget only on the next move.
    void showPointer(const QCursor& cursor);
    QCursor pointer() const;

    // A screen position in design pixels of the stage.
    QPoint designPosition(QPoint globalPosition) const;

    // Full screen, scaled; or a plain window of the design size.
    void showScaledFullScreen();
    void showDesignWindow();

    // What the stage shows, in design pixels.
    QImage grabStage() const;

signals:
    // After the window has been painted (start-up timing).
    void framePainted();
    // The window manager asked to close the window.
    void closeRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void fitStage();

    QWidget* m_stage = nullptr;
    QPointer<QWidget> m_currentForm;
    std::uint8_t m_hoverId = 0;
    QGraphicsProxyWidget* m_proxy = nullptr;
};

class Services;

// Moves the highlight to item `id` of the front form: plays the enter sound
// and sets the hover id of the host that shows `form` when the highlight
// moves to another item. True when it moved.
bool EnterHoverItem(Services& services, const QWidget& form, std::uint8_t id);
// No item of the front form of the host that shows `form` is highlighted.
void ClearHoverItem(const QWidget& form);

} // namespace orbeta
