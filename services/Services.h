// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "services/KeyboardLayouts.h"
#include "services/KeyboardSwitch.h"
#include "services/MessageBox.h"
#include "services/Resources.h"
#include "services/Sounds.h"

#include <QDateTime>
#include <QString>

#include <cstdint>

class QPrinter;

namespace orbeta {

// What the forms need of the world around the program: the clock, sound,
// message boxes, the print dialog, the keyboard layouts, and the installation's
// files as start-up found them. The program builds one set at start and hands
// it to every form; tests hand in their own.
class Services {
public:
    virtual ~Services() = default;

    // Milliseconds from an arbitrary start; animations and waits measure with it.
    virtual std::uint32_t tickCount() const = 0;
    // The date and time written into the results log.
    virtual QDateTime now() const = 0;
    // Plays without waiting; silent where there is no audio device.
    virtual void play(Sound sound) = 0;
    virtual MessageAnswer showMessage(const QString& title, const QString& text, MessageIcon icon,
                                      MessageButtons buttons = MessageButtons::Ok) = 0;
    // Opens the print dialog on `printer`; true when it was confirmed.
    virtual bool runPrintDialog(QPrinter& printer) = 0;
    virtual KeyboardLayouts& keyboardLayouts() = 0;
    // Saves, selects and restores the layout on keyboardLayouts().
    virtual KeyboardSwitch& keyboard() = 0;
    // The directories, tables, cursors and pictures; start-up fills them.
    virtual Resources& resources() = 0;
};

inline void PlayEnterSound(Services& services)
{
    services.play(Sound::Enter);
}

inline void PlayClickSound(Services& services)
{
    services.play(Sound::Click);
}

inline void PlayZavaziSound(Services& services)
{
    services.play(Sound::Zavazi);
}

} // namespace orbeta
