// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace orbeta {

// The keyboard-layout operations of the system: the cycle of installed
// layouts, the active layout's name (eight hexadecimal digits, "00000409"
// for US English) and loading a layout by name.
class KeyboardLayouts {
public:
    virtual ~KeyboardLayouts() = default;
    virtual void activatePrevious() = 0;
    virtual QString activeName() const = 0;
    // Loads and activates the layout; false when the system refuses.
    virtual bool load(const QString& name) = 0;
};

} // namespace orbeta
