// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "services/KeyboardLayouts.h"

#include <QString>
#include <functional>

namespace orbeta {

// The turning loops over a layout cycle. Each gives up after kMaxTurns turns
// and then leaves the active layout as it is.
class KeyboardLayoutCycle {
public:
    static constexpr int kMaxTurns = 100;
    static QString usLayout() { return QStringLiteral("00000409"); }

    // Turns the cycle until the US layout is active, loading it when the
    // cycle lacks it. `current` follows the name read after each turn.
    static bool selectUs(KeyboardLayouts& layouts, QString& current);
    // Turns the cycle until `saved` is active again.
    static bool restore(KeyboardLayouts& layouts, const QString& saved, QString& current);

private:
    static bool turnUntil(KeyboardLayouts& layouts, QString& current, const std::function<bool(const QString&)>& done);
};

} // namespace orbeta
