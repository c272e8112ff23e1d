// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/page/PrintQuantityLine.h"

namespace orbeta::print {
namespace {

constexpr double kPoints = 12;
constexpr double kGapMm = 1;

} // namespace

double PrintQuantityLine(PrintPage& page, double xMm, double yMm, const QString& symbol, PrintFace symbolFace,
                         const QString& text, PrintFace textFace)
{
    double x = xMm;
    if (!symbol.isEmpty()) {
        page.setFont(symbolFace, kPoints, false, true);
        page.printText(xMm, yMm, symbol);
        // Measured upright in the text's face, so that the lines of a slot set their texts alike.
        page.setFont(textFace, kPoints);
        x += page.textWidthMm(symbol) + kGapMm;
    }
    page.setFont(textFace, kPoints);
    page.printText(x, yMm, text);
    return x + page.textWidthMm(text);
}

} // namespace orbeta::print
