// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QTimer>

#include <memory>

class QString;

namespace orbeta {

struct Installation;

enum class Sound { Enter, Click, Zavazi };

// The three short sounds of the program, played without waiting. Nothing of
// the audio system is touched until enable() is called after the first
// window is shown, so sound never delays start-up; a machine without an
// audio device simply stays silent, and so does a sound played before enable().
// The services of a run own one; the loaded sounds go with it.
class Sounds {
public:
    Sounds() = default;
    Sounds(const Sounds&) = delete;
    Sounds& operator=(const Sounds&) = delete;

    // The sound files lie in the installation's resource directory.
    void play(const Installation& installation, Sound sound);
    void enable(const Installation& installation);

private:
    using LoadFunction = void (*)(QObject*, const QString*);

    void loadModule();

    bool m_enabled = false;
    QTimer m_loadTimer;
    // The sound module's player: the loaded sounds are its children.
    std::unique_ptr<QObject> m_player;
    LoadFunction m_load = nullptr;
    LoadFunction m_play = nullptr;
};

} // namespace orbeta
