// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "menu/SetupState.h"

namespace orbeta {
namespace {

ButtonStep update(bool available, bool& shown)
{
    if (!available) {
        shown = false;
        return ButtonStep::Hide;
    }
    if (shown)
        return ButtonStep::Keep;
    shown = true;
    return ButtonStep::AnimateIn;
}

} // namespace

SetupState::SetupState(const SetupLayout& layout) : m_layout(layout) {}

void SetupState::chooseCount(int button)
{
    if (button < 1 || button > SetupLayout::kCountButtons)
        return;
    m_marks.fill(false);
    m_marks[static_cast<std::size_t>(button - 1)] = true;
    m_count = m_layout.countOf(button);
}

bool SetupState::isChosen(int button) const
{
    if (button < 1 || button > SetupLayout::kCountButtons)
        return false;
    return m_marks[static_cast<std::size_t>(button - 1)];
}

ButtonStep SetupState::updateContinue()
{
    return update(m_count != 0 && !m_name.isEmpty(), m_continueShown);
}

ButtonStep SetupState::updatePrint()
{
    return update(m_count != 0, m_printShown);
}

} // namespace orbeta
