// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace orbeta {

// The three looks of every button, on the pictures and on the screen.
enum class ButtonLook {
    Normal,      // _0
    Highlighted, // _1: hover, brighter with a strong warm outline
    Chosen,      // pressed or selected: dark saturated face, white text
};

} // namespace orbeta
