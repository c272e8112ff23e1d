// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "services/Globals.h"

namespace orbeta {

Globals& globals()
{
    static Globals instance;
    return instance;
}

} // namespace orbeta
