// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

namespace orbeta {

// How a button that cannot be pressed looks: its picture and text muted,
// greyed and paled towards the panel, so that it stands apart from an
// enabled one on every screen. Transparent pixels stay transparent.
class DisabledLook {
public:
    static QImage muted(const QImage& picture);
};

} // namespace orbeta
