// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringView>

namespace orbeta {

// A number with its noun in the form Slovak gives it after that number:
// "1 riadok", "2 riadky", "5 riadkov" (and "0 riadkov").
class SlovakCount {
public:
    static QString of(qsizetype count, QStringView one, QStringView twoToFour, QStringView many);
};

} // namespace orbeta
