// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace orbeta {

class KeyboardLayouts;

// The keyboard layout the pupil types in: start-up saves the active one, a
// calculation form selects the US layout for its answer boxes, and leaving a
// task form restores the saved one.
class KeyboardSwitch {
public:
    explicit KeyboardSwitch(KeyboardLayouts& layouts) : m_layouts(layouts) {}

    void save();
    void selectUs();
    void restore();

    const QString& saved() const { return m_saved; }
    const QString& current() const { return m_current; }

private:
    KeyboardLayouts& m_layouts;
    QString m_saved;
    // The name read after the last turn of the cycle.
    QString m_current;
};

} // namespace orbeta
