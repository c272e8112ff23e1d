// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/Commands.h"

#include <QTextStream>

#include <cstdio>

namespace orbeta::cli {

int fail(int status, const QString& message)
{
    QTextStream(stderr) << "orbeta-cli: " << message << '\n';
    return status;
}

bool takeValue(QStringList& args, const QString& name, std::optional<QString>& value)
{
    for (qsizetype i = 0; i < args.size();) {
        std::optional<QString> found;
        if (args.at(i) == name) {
            if (i + 1 >= args.size())
                return false;
            found = args.at(i + 1);
            args.remove(i, 2);
        } else if (args.at(i).startsWith(name + QLatin1Char('='))) {
            found = args.at(i).mid(name.size() + 1);
            args.remove(i);
        } else {
            ++i;
            continue;
        }
        if (value)
            return false;
        value = found;
    }
    return true;
}

} // namespace orbeta::cli
