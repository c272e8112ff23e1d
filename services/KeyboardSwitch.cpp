// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "services/KeyboardSwitch.h"

#include "services/KeyboardLayoutCycle.h"

namespace orbeta {

void KeyboardSwitch::save()
{
    m_saved = m_layouts.activeName();
}

void KeyboardSwitch::selectUs()
{
    KeyboardLayoutCycle::selectUs(m_layouts, m_current);
}

void KeyboardSwitch::restore()
{
    KeyboardLayoutCycle::restore(m_layouts, m_saved, m_current);
}

} // namespace orbeta
