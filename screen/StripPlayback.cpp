// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screen/StripPlayback.h"

#include <algorithm>

namespace orbeta {

int StripPlayback::frameAt(std::uint32_t now) const
{
    if (m_frameCount <= 0)
        return 0;
    if (m_frameMs == 0)
        return m_frameCount - 1;
    // Unsigned difference: correct across the tick counter's wrap.
    const std::uint32_t frame = (now - m_start) / m_frameMs;
    return int(std::min<std::uint32_t>(frame, std::uint32_t(m_frameCount - 1)));
}

} // namespace orbeta
