// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <vector>

namespace orbeta {

// What a screen reader says of a judged screen. Qt offers no announcement,
// so the words travel in the description of the control that takes the
// focus after the check.
class VerdictSpeech {
public:
    // "Správne." for one item, "Správne 3 z 5." for several, and the key
    // that shows the solution when something is wrong.
    static QString verdict(const std::vector<bool>& verdicts);
    // The solution shown, as the mark that opened it says it.
    static QString solution(bool right, const QString& text);
};

} // namespace orbeta
