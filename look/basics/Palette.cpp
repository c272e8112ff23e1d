// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "look/basics/Palette.h"

namespace orbeta {

QColor Palette::topic(int topic)
{
    switch (topic) {
    case 1: return {36, 104, 196};  // Mechanika 1: blue
    case 2: return {30, 140, 88};   // Mechanika 2: green
    case 3: return {214, 84, 28};   // Termika: orange
    case 4: return {0, 132, 150};   // Optika: teal
    case 5: return {170, 108, 0};   // Elektrina: amber
    case 6: return {112, 72, 160};  // História: violet
    default: return strip();
    }
}

} // namespace orbeta
