// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "services/KeyboardLayouts.h"

#include <QLocale>

namespace orbeta {

// The desktop gives a program no layout switch of its own: this reports the
// layout in use (from the input locale, as a layout name such as "0000041B"
// for Slovak) and leaves the system's layout alone.
class DesktopKeyboardLayouts : public KeyboardLayouts {
public:
    void activatePrevious() override {}
    QString activeName() const override;
    bool load(const QString&) override { return false; }

    static QString layoutName(const QLocale& locale);
};

} // namespace orbeta
