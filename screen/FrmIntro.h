// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "screen/Form.h"

#include <QPointer>
#include <QTimer>
#include <cstdint>

class QLabel;

namespace orbeta {

class Services;

// The splash form: the title picture for ten seconds (or until a click) at
// start-up, and later reused as a help or credits picture that a click
// dismisses. Any key does what a click does.
class FrmIntro : public Form {
    Q_OBJECT
public:
    static constexpr std::uint32_t kSplashMilliseconds = 10000;

    explicit FrmIntro(Services& services, QWidget* parent = nullptr);

    // True when shown at start-up; false as a help or credits picture.
    bool IsIntro = false;
    // The form to show again when the help picture is dismissed.
    QPointer<QWidget> ReturnForm;

    // The form the splash hands over to (the menu).
    void setMenuForm(QWidget* menu) { m_menu = menu; }
    void setInformation(const QString& caption);
    QString information() const;


protected:
    void formActivated() override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // A click or a key: the splash ends, a help picture goes back.
    void dismiss();
    void endIntro();

    Services& m_services;
    QLabel* m_lblInfo = nullptr;
    QTimer m_timer;
    QPointer<QWidget> m_menu;
    std::uint32_t EndTick = 0;
    bool SkipWait = false;
    bool m_ended = false;
};

} // namespace orbeta
