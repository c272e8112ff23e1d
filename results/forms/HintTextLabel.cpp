// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/forms/HintTextLabel.h"

#include "formats/SiglaText.h"

#include <QFontMetricsF>
#include <QPainter>

namespace orbeta {

HintTextLabel::HintTextLabel(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
}

QFont HintTextLabel::siglaFont(const QFont& font)
{
    QFont sigla = font;
    sigla.setFamily(QStringLiteral("Sigla"));
    return sigla;
}

double HintTextLabel::lineWidth(const QFont& font, QStringView line, QPaintDevice* device)
{
    const QFontMetricsF own(font, device);
    const QFontMetricsF sigla(siglaFont(font), device);
    double width = 0;
    for (const SiglaText::Run& run : SiglaText::runs(line))
        width += (run.sigla ? sigla : own).horizontalAdvance(run.text);
    return width;
}

void HintTextLabel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(palette().color(foregroundRole()));
    const QFont own = font();
    const QFont sigla = siglaFont(own);
    const QFontMetricsF metrics(own);
    const QRectF area = contentsRect();
    double top = area.top();
    for (const QString& line : text().split(QLatin1Char('\n'))) {
        const double width = lineWidth(own, line, this);
        double x = area.left();
        if (alignment() & Qt::AlignHCenter)
            x += (area.width() - width) / 2;
        else if (alignment() & Qt::AlignRight)
            x += area.width() - width;
        for (const SiglaText::Run& run : SiglaText::runs(line)) {
            p.setFont(run.sigla ? sigla : own);
            p.drawText(QPointF(x, top + metrics.ascent()), run.text);
            x += QFontMetricsF(p.font(), this).horizontalAdvance(run.text);
        }
        top += metrics.lineSpacing();
    }
}

} // namespace orbeta
