// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/experiments/LeverSpeech.h"

#include "calc/experiments/LeverBoard.h"

#include <QStringList>

#include <cstdlib>

namespace orbeta {
namespace {

QString markName(int mark)
{
    return QStringLiteral("%1 značka %2").arg(mark < 0 ? QStringLiteral("ľavá") : QStringLiteral("pravá")).arg(std::abs(mark));
}

QString side(const LeverState& lever, bool left)
{
    QStringList hung;
    for (int d = 1; d <= 6; ++d) {
        const int mark = left ? -d : d;
        if (const int mass = lever[std::size_t(mark + 6)]; mass != 0)
            hung << QStringLiteral("%1 N na značke %2").arg(mass).arg(d);
    }
    return (left ? QStringLiteral("Vľavo: ") : QStringLiteral("Vpravo: "))
           + (hung.isEmpty() ? QStringLiteral("nič") : hung.join(QStringLiteral(", "))) + QLatin1Char('.');
}

} // namespace

QString LeverSpeech::describe(const LeverBoard& board)
{
    QStringList said{side(board.lever(), true), side(board.lever(), false)};
    if (const auto moving = board.moving(); moving && !board.markOf(*moving)) {
        QString carried = QStringLiteral("Zdvihnuté závažie %1 N").arg(board.mass(*moving));
        if (const auto mark = board.keyMark())
            carried += QStringLiteral(", pod ním ") + markName(*mark);
        said << carried + QLatin1Char('.');
    }
    if (const auto shown = board.shownMark())
        said << QStringLiteral("Červený krúžok: ") + markName(*shown) + QLatin1Char('.');
    QStringList tray;
    for (int w = 1; w <= board.looseCount(); ++w)
        if (!board.markOf(w) && board.moving() != w)
            tray << QStringLiteral("kláves %1: %2 N").arg(w).arg(board.mass(w));
    if (!tray.isEmpty())
        said << QStringLiteral("Na podnose ") + tray.join(QStringLiteral(", ")) + QLatin1Char('.');
    return said.join(QLatin1Char(' '));
}

} // namespace orbeta
