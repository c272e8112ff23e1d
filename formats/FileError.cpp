// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/FileError.h"

namespace orbeta {

QString FileError::message() const
{
    if (line > 0)
        return QStringLiteral("Súbor %1, riadok %2: %3").arg(file, QString::number(line), problem);
    return QStringLiteral("Súbor %1: %2").arg(file, problem);
}

} // namespace orbeta
