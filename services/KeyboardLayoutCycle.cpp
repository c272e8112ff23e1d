// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "services/KeyboardLayoutCycle.h"

namespace orbeta {

bool KeyboardLayoutCycle::turnUntil(KeyboardLayouts& layouts, QString& current,
                                    const std::function<bool(const QString&)>& done)
{
    for (int turn = 0; turn < kMaxTurns; ++turn) {
        layouts.activatePrevious();
        current = layouts.activeName();
        if (done(current))
            return true;
    }
    return false;
}

bool KeyboardLayoutCycle::selectUs(KeyboardLayouts& layouts, QString& current)
{
    const auto isUs = [](const QString& name) { return name.contains(usLayout()); };
    if (turnUntil(layouts, current, isUs))
        return true;
    if (!layouts.load(usLayout()))
        return false;
    return turnUntil(layouts, current, isUs);
}

bool KeyboardLayoutCycle::restore(KeyboardLayouts& layouts, const QString& saved, QString& current)
{
    return turnUntil(layouts, current, [&saved](const QString& name) { return name == saved; });
}

} // namespace orbeta
