// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace orbeta {

class LeverBoard;

// The lever of "2e" in words, for a screen reader: what hangs on which mark
// of each side, the weight being carried and over which mark, the mark shown
// in red, and the weights left in the tray with their keys.
class LeverSpeech {
public:
    static QString describe(const LeverBoard& board);
};

} // namespace orbeta
