// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screen/AnimationStrip.h"

namespace orbeta {

AnimationStrip::AnimationStrip(const QPixmap& picture, int frameCount)
    : m_picture(picture)
    , m_frameCount(frameCount)
{
}

QSize AnimationStrip::frameSize() const
{
    if (m_picture.isNull() || m_frameCount <= 0)
        return {};
    if (m_picture.width() >= m_picture.height())
        return {m_picture.width() / m_frameCount, m_picture.height()};
    return {m_picture.width(), m_picture.height() / m_frameCount};
}

QPixmap AnimationStrip::frame(int index) const
{
    const QSize size = frameSize();
    if (size.isEmpty() || index < 0 || index >= m_frameCount)
        return {};
    if (m_picture.width() >= m_picture.height())
        return m_picture.copy(index * size.width(), 0, size.width(), size.height());
    return m_picture.copy(0, index * size.height(), size.width(), size.height());
}

} // namespace orbeta
