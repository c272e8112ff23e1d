// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/Commands.h"

#include "calc/calculator/Calculator.h"
#include "cli/StandardOutput.h"

namespace orbeta::cli {

// calc TEXT: what the calculator writes after "=" into the notes for TEXT
// typed into its input box (an empty line when the calculation fails).
int calcCommand(const QStringList& args)
{
    QStringList texts = args;
    if (texts.size() == 2 && texts.first() == QLatin1String("--"))
        texts.removeFirst();
    if (texts.size() != 1)
        return fail(BadUsage, QStringLiteral("usage: orbeta-cli calc TEXT"));
    StandardOutput out;
    out.write(Calculator::resultText(texts.first()) + QLatin1Char('\n'));
    return out.finish();
}

} // namespace orbeta::cli
