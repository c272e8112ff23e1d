// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "menu/SetupLayout.h"

#include <QString>

#include <array>
#include <cstdint>

namespace orbeta {

// What the form must do with the continue or the print button after a change.
enum class ButtonStep {
    Keep,      // nothing changes
    Hide,      // show the background picture and hide the button
    AnimateIn, // make it visible and play its 23 frames
};

// The numbers of the setup screen's items in `HoverId`.
enum class SetupItem : std::uint8_t {
    None = 0,
    Count1 = 1, // count buttons 1 to 5 are 1 to 5
    Back = 6,
    Continue = 11,
    Print = 12,
    Name = 13,
    Help = 15,
};

// The setup screen's own state while it is loaded: the chosen count and its
// button marks, the name typed so far and whether the continue and print
// buttons have already been animated in. It survives a whole series, so the
// next series can start at once.
class SetupState {
public:
    explicit SetupState(const SetupLayout& layout);

    // Marks button `button` (1 to 5) as the only chosen one and sets the count.
    void chooseCount(int button);
    bool isChosen(int button) const;
    std::uint8_t exampleCount() const { return m_count; }

    // The name field's text after its own clean-up.
    void setName(const QString& name) { m_name = name; }
    const QString& name() const { return m_name; }

    // The continue button needs a name and a count; the print button a count.
    ButtonStep updateContinue();
    ButtonStep updatePrint();
    bool continueShown() const { return m_continueShown; }
    bool printShown() const { return m_printShown; }

private:
    SetupLayout m_layout;
    std::array<bool, SetupLayout::kCountButtons> m_marks{};
    std::uint8_t m_count = 0;
    QString m_name;
    bool m_continueShown = false;
    bool m_printShown = false;
};

} // namespace orbeta
