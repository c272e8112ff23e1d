// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace orbeta {

// Which frame of an animation strip shows at a given moment: frame i from
// start + i × frameMs on, the last frame held once the strip has run. The
// strip counts as played when the last frame has had its time too, so a
// strip that follows another starts at the first one's end().
class StripPlayback {
public:
    StripPlayback(int frameCount, std::uint32_t frameMs, std::uint32_t start)
        : m_frameCount(frameCount), m_frameMs(frameMs), m_start(start)
    {
    }

    int frameAt(std::uint32_t now) const;
    bool playedAt(std::uint32_t now) const { return now - m_start >= duration(); }
    std::uint32_t end() const { return m_start + duration(); }

private:
    std::uint32_t duration() const { return std::uint32_t(m_frameCount) * m_frameMs; }

    int m_frameCount;
    std::uint32_t m_frameMs;
    std::uint32_t m_start;
};

} // namespace orbeta
