// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace orbeta {

struct Installation;

enum class Sound { Enter, Click, Zavazi };

// The three short sounds of the program, played without waiting. Nothing of
// the audio system is touched until enable() is called after the first
// window is shown, so sound never delays start-up; a machine without an
// audio device simply stays silent, and so does a sound played before enable().
class Sounds {
public:
    // The sound files lie in the installation's resource directory.
    static void play(const Installation& installation, Sound sound);
    static void enable(const Installation& installation);
};

} // namespace orbeta
