// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringView>

namespace orbeta {

// The leading-number conversion that every numeric field of the data files
// goes through: leading blanks are skipped, then an optional sign, digits, an
// optional "." with more digits and an optional exponent ("E" or "D") are
// read as far as they reach; whatever follows is ignored. Text that does not
// start with a number gives 0.
class LeadingNumber {
public:
    static double parse(QStringView text);
};

} // namespace orbeta
