// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

namespace orbeta {

// The colours of the program: the fixed ones of its screens and scenes, and
// our own around them.
class Palette {
public:
    // Fixed colours of the program's screens and scenes.
    static QColor liquid() { return {148, 174, 198}; }
    static QColor mark() { return {199, 21, 21}; }
    static QColor hotBody() { return {255, 6, 6}; }
    static QColor iceWater() { return {200, 255, 255}; }
    static QColor iceBlue() { return {130, 185, 255}; }
    static QColor ray() { return {255, 0, 0}; }
    static QColor imageArrow() { return {0, 128, 0}; }
    static QColor newRankingRow() { return {227, 0, 0}; }
    static QColor navy() { return {0, 0, 128}; }
    // Where a sprite or a shaped window is transparent.
    static QColor transparent() { return {255, 0, 255}; }

    // Our own colours around them.
    static QColor paper() { return {250, 251, 253}; }
    static QColor ink() { return {16, 28, 72}; }          // body text
    static QColor strip() { return {28, 72, 156}; }       // blue strips and title bands
    static QColor stripDark() { return {16, 44, 108}; }
    // The flat ground of every screen: buttons and sprites are drawn on it.
    static QColor ground() { return {222, 235, 250}; }
    static QColor panel() { return {242, 247, 253}; }     // where buttons and texts stand
    static QColor panelEdge() { return {150, 178, 214}; }
    static QColor shade() { return {70, 90, 130, 70}; }   // soft shadow, bottom right
    static QColor hintFill() { return {255, 250, 214}; }
    static QColor hintEdge() { return {176, 120, 20}; }
    static QColor gold() { return {246, 178, 44}; }

    // Accent colour of topic 1 to 6.
    static QColor topic(int topic);
};

} // namespace orbeta
