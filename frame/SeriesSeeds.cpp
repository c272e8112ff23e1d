// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frame/SeriesSeeds.h"

namespace orbeta {

std::uint64_t SeriesSeeds::next(std::int64_t clockMilliseconds)
{
    if (m_fixed)
        return *m_fixed + m_taken++;
    return m_clockSeeds.next(clockMilliseconds);
}

} // namespace orbeta
