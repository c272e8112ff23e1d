// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

namespace orbeta {

// Where a popup of `size` stands: at `wanted` when that covers none of
// `keepClear`, else at the nearest place beside one of them that covers
// none; always whole inside `screen`. With no such place it stands at
// `wanted`, kept on the screen.
QPoint PlacePopup(QSize size, QPoint wanted, const QRect& screen, const std::vector<QRect>& keepClear);

} // namespace orbeta
