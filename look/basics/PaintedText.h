// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSize>
#include <QString>

#include <functional>

class QPainter;

namespace orbeta {

// The words a painter draws, in the order it draws them, joined by spaces:
// what a picture says, for a screen reader. Nothing is rasterised.
class PaintedText {
public:
    static QString of(const std::function<void(QPainter&, QSize)>& draw, QSize size);
};

} // namespace orbeta
