// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frame/PopupPlacement.h"

#include <algorithm>

namespace orbeta {
namespace {

QPoint onScreen(QSize size, QPoint at, const QRect& screen)
{
    return {std::clamp(at.x(), screen.left(), std::max(screen.left(), screen.right() + 1 - size.width())),
            std::clamp(at.y(), screen.top(), std::max(screen.top(), screen.bottom() + 1 - size.height()))};
}

bool coversNone(const QRect& popup, const std::vector<QRect>& keepClear)
{
    return std::none_of(keepClear.begin(), keepClear.end(), [&popup](const QRect& r) { return popup.intersects(r); });
}

} // namespace

QPoint PlacePopup(QSize size, QPoint wanted, const QRect& screen, const std::vector<QRect>& keepClear)
{
    const QPoint first = onScreen(size, wanted, screen);
    if (coversNone(QRect(first, size), keepClear))
        return first;
    // Beside each control: above, below, left and right of it, nearest first.
    std::vector<QPoint> candidates;
    for (const QRect& r : keepClear) {
        candidates.push_back(onScreen(size, {first.x(), r.top() - size.height()}, screen));
        candidates.push_back(onScreen(size, {first.x(), r.bottom() + 1}, screen));
        candidates.push_back(onScreen(size, {r.left() - size.width(), first.y()}, screen));
        candidates.push_back(onScreen(size, {r.right() + 1, first.y()}, screen));
    }
    std::stable_sort(candidates.begin(), candidates.end(), [first](QPoint a, QPoint b) {
        return (a - first).manhattanLength() < (b - first).manhattanLength();
    });
    for (QPoint at : candidates)
        if (coversNone(QRect(at, size), keepClear))
            return at;
    return first;
}

} // namespace orbeta
