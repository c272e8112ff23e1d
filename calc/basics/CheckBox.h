// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringView>

namespace orbeta {

// `CheckBox`: the pupil's text of one answer box against the expected Single.
// Both sides are rounded half-to-even to three decimals and must be equal.
// A text that is no number (empty, a lone sign, a sign and the comma, signs
// inside the digits) is simply wrong.
bool CheckBox(QStringView text, float expected);

} // namespace orbeta
