// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "look/controls/FocusPainter.h"

#include <QPainter>

namespace orbeta {
namespace {

constexpr qreal kRadius = 5;

} // namespace

void FocusPainter::drawFrame(QPainter& p, const QRectF& rect)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    const QRectF outer = rect.adjusted(kWidth / 2, kWidth / 2, -kWidth / 2, -kWidth / 2);
    p.setPen(QPen(colour(), kWidth));
    p.drawRoundedRect(outer, kRadius, kRadius);
    p.setPen(QPen(Qt::white, 1));
    p.drawRoundedRect(outer.adjusted(kWidth / 2 + 0.5, kWidth / 2 + 0.5, -kWidth / 2 - 0.5, -kWidth / 2 - 0.5),
                      kRadius - 2, kRadius - 2);
    p.restore();
}

void FocusPainter::drawFrameAround(QPainter& p, const QRectF& rect)
{
    drawFrame(p, rect.adjusted(-kWidth - 1, -kWidth - 1, kWidth + 1, kWidth + 1));
}

QString FocusPainter::dialogStyleSheet()
{
    const QColor c = colour();
    return QStringLiteral("QPushButton:focus, QToolButton:focus, QComboBox:focus, QLineEdit:focus, QSpinBox:focus, "
                          "QCheckBox:focus, QRadioButton:focus, QAbstractItemView:focus "
                          "{ border: %1px solid rgb(%2, %3, %4); border-radius: 5px; padding: 2px 8px; }")
        .arg(int(kWidth))
        .arg(c.red())
        .arg(c.green())
        .arg(c.blue());
}

} // namespace orbeta
