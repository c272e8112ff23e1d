// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/basics/CheckBox.h"

#include "calc/basics/NumberText.h"

namespace orbeta {

bool CheckBox(QStringView text, float expected)
{
    const std::optional<float> typed = ParseSingle(text);
    return typed && RoundHalfEven(*typed, 3) == RoundHalfEven(expected, 3);
}

} // namespace orbeta
