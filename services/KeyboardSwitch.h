// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace orbeta {

class Services;

// The keyboard layout of the answer boxes is US English while a task form is
// in front; the pupil's own layout is saved at start and restored after.
void SelectUsKeyboard(Services& services);
void SaveKeyboardLayout(Services& services);
void RestoreKeyboardLayout(Services& services);

} // namespace orbeta
