// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/page/PrintPage.h"

#include <QString>

namespace orbeta::print {

// A quantity line of a worksheet: the symbol in 12 pt italics at (x, y), the
// text upright right after it. Returns where the text ends, in millimetres,
// so that a line in several colours goes on from there.
double PrintQuantityLine(PrintPage& page, double xMm, double yMm, const QString& symbol, PrintFace symbolFace,
                         const QString& text, PrintFace textFace);

} // namespace orbeta::print
