// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "services/Services.h"

#include <QElapsedTimer>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

namespace orbeta {

// Services for tests: sounds and messages are counted, boxes are answered
// with the affirmative button unless told otherwise, the print dialog runs
// `printDialog` (cancelled when empty), the keyboard layout stays US English,
// and the clock is the real one until `setTime` fixes it.
class FakeServices : public Services {
public:
    FakeServices();

    std::uint32_t tickCount() const override;
    QDateTime now() const override;
    void play(Sound sound) override;
    MessageAnswer showMessage(const QString& title, const QString& text, MessageIcon icon,
                              MessageButtons buttons) override;
    bool runPrintDialog(QPrinter& printer) override;
    KeyboardLayouts& keyboardLayouts() override;
    KeyboardSwitch& keyboard() override { return m_keyboard; }
    Resources& resources() override { return m_resources; }

    void setTime(std::uint32_t tick) { m_fixedTick = tick; }
    void advance(std::uint32_t milliseconds) { m_fixedTick = tickCount() + milliseconds; }
    int played(Sound sound) const { return m_played.at(static_cast<std::size_t>(sound)); }
    void resetSounds() { m_played.fill(0); }

    std::optional<MessageAnswer> answer;
    QStringList messages; // "TITLE: TEXT" of every box shown
    QList<MessageButtons> messageButtons; // the buttons of every box shown
    std::function<bool(QPrinter&)> printDialog;
    QDateTime fixedNow;

private:
    class UsOnlyLayouts : public KeyboardLayouts {
    public:
        void activatePrevious() override {}
        QString activeName() const override { return QStringLiteral("00000409"); }
        bool load(const QString&) override { return true; }
    };

    QElapsedTimer m_clock;
    std::optional<std::uint32_t> m_fixedTick;
    std::array<int, 3> m_played{};
    UsOnlyLayouts m_layouts;
    KeyboardSwitch m_keyboard{m_layouts};
    Resources m_resources;
};

} // namespace orbeta
