// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/SlovakCount.h"

namespace orbeta {

QString SlovakCount::of(qsizetype count, QStringView one, QStringView twoToFour, QStringView many)
{
    const QStringView noun = count == 1 ? one : count >= 2 && count <= 4 ? twoToFour : many;
    return QString::number(count) + QLatin1Char(' ') + noun.toString();
}

} // namespace orbeta
