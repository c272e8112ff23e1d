// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "services/KeyboardSwitch.h"

#include "services/Globals.h"
#include "services/KeyboardLayoutCycle.h"
#include "services/Services.h"

namespace orbeta {

void SelectUsKeyboard(Services& services)
{
    KeyboardLayoutCycle::selectUs(services.keyboardLayouts(), globals().CurrentKeyboardLayout);
}

void SaveKeyboardLayout(Services& services)
{
    globals().SavedKeyboardLayout = services.keyboardLayouts().activeName();
}

void RestoreKeyboardLayout(Services& services)
{
    KeyboardLayoutCycle::restore(services.keyboardLayouts(), globals().SavedKeyboardLayout,
                                 globals().CurrentKeyboardLayout);
}

} // namespace orbeta
