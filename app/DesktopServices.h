// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "services/DesktopKeyboardLayouts.h"
#include "services/Services.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QString>

namespace orbeta {

// The services of a real run: the monotonic clock, the sound module, Qt's
// message boxes and print dialog above the program's window, and the
// desktop's keyboard layouts. With a script answer (ORBETA_MESSAGEBOX: "ok",
// "yes" or "no") message boxes are answered without a person.
class DesktopServices : public Services {
public:
    explicit DesktopServices(QString messageScript);

    std::uint32_t tickCount() const override;
    QDateTime now() const override;
    void play(Sound sound) override;
    MessageAnswer showMessage(const QString& title, const QString& text, MessageIcon icon,
                              MessageButtons buttons) override;
    bool runPrintDialog(QPrinter& printer) override;
    KeyboardLayouts& keyboardLayouts() override;
    KeyboardSwitch& keyboard() override { return m_keyboard; }
    Resources& resources() override { return m_resources; }

    // After the first window is shown: see Sounds.
    void enableSounds();
    // The program's window, above which message boxes and the print dialog
    // open; without one they open on their own.
    void setWindow(QWidget* window) { m_window = window; }

private:
    QString m_messageScript;
    QElapsedTimer m_clock;
    DesktopKeyboardLayouts m_layouts;
    KeyboardSwitch m_keyboard{m_layouts};
    Resources m_resources;
    Sounds m_sounds;
    QPointer<QWidget> m_window;
};

} // namespace orbeta
