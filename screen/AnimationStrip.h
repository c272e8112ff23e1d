// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPixmap>

namespace orbeta {

// A picture cut into equal cells along its longer side, one cell per
// animation frame (the appearing continue and print buttons).
class AnimationStrip {
public:
    AnimationStrip() = default;
    AnimationStrip(const QPixmap& picture, int frameCount);

    int frameCount() const { return m_frameCount; }
    // Frame i (0-based); null when the picture is missing or i is outside.
    QPixmap frame(int index) const;
    QSize frameSize() const;

private:
    QPixmap m_picture;
    int m_frameCount = 0;
};

} // namespace orbeta
