// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace orbeta {

class ScreenHost;
class Services;

enum class DisplayChoice {
    FullScreen, // scale the 640 x 480 screens up to fill the screen
    Window,     // a plain 640 x 480 window (--window, the tour)
};

// Showing the program's window: full screen and scaled when the screen allows
// it; otherwise a warning, a backdrop over the desktop and a 640 x 480
// window.
void SwitchDisplayMode(ScreenHost& host, DisplayChoice choice, Services& services);
// Leaves full screen and removes the backdrop.
void RestoreDisplayMode(ScreenHost& host);

} // namespace orbeta
