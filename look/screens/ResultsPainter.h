// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSize>

class QPainter;

namespace orbeta {

// The results form's background: the title and the table frame with its
// column titles over the columns the form fills.
class ResultsPainter {
public:
    static void drawBackground(QPainter& painter, QSize size);
};

} // namespace orbeta
