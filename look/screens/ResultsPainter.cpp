// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "look/screens/ResultsPainter.h"

#include "look/basics/Layout.h"
#include "look/basics/Palette.h"
#include "look/basics/Shapes.h"
#include "look/basics/TextFit.h"

#include <QPainter>

namespace orbeta {

void ResultsPainter::drawBackground(QPainter& p, QSize size)
{
    Shapes::drawBackdrop(p, QRectF(QPointF(0, 0), size));
    p.setPen(Palette::navy());
    TextFit::drawFittedText(p, QRectF(250, 18, 246, 48), QStringLiteral("Najlepšie výsledky"), 22, true,
                             Palette::navy(), Qt::AlignLeft | Qt::AlignVCenter, false);

    const QRectF table(20, 118, 600, 352);
    Shapes::drawPanel(p, table, Qt::white, Palette::panelEdge());
    const QRectF head(22, 126, 596, 30);
    p.fillRect(head, Palette::strip());
    const auto& columns = Layout::kColumnLeft;
    const char* const titles[] = {"Miesto", "Meno", "Správne", "Nesprávne", "Známka"};
    for (int i = 0; i < 5; ++i) {
        const qreal right = i < 4 ? columns[i + 1] - 6 : head.right() - 4;
        TextFit::drawFittedText(p, QRectF(columns[i] - 2, head.top(), right - columns[i] + 2, head.height()),
                                 QString::fromUtf8(titles[i]), 13, true, Qt::white, Qt::AlignLeft | Qt::AlignVCenter,
                                 false);
    }
    // Ten row bands; the labels stand at 165 + 30 × (i − 1).
    for (int i = 0; i < 10; ++i) {
        const qreal top = Layout::kRowTop - 4 + Layout::kRowStep * i;
        if (i % 2 == 1)
            p.fillRect(QRectF(24, top, 592, Layout::kRowStep), QColor(234, 242, 252));
    }
    p.setPen(QPen(QColor(206, 220, 238), 1));
    for (int i = 2; i < 5; ++i)
        p.drawLine(QPointF(columns[i] - 10, 158), QPointF(columns[i] - 10, 464));
}

} // namespace orbeta
