// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/page/A4Document.h"

#include "print/page/PrintPage.h"
#include "print/page/PrintWorksheet.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace orbeta::print {

QByteArray A4Document::pdf(const QString& title, const std::function<bool(QPdfWriter&)>& print)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfResolution);
        const double m = PrintWorksheet::kPaperMarginMm;
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(m, m, m, m),
                                         QPageLayout::Millimeter));
        writer.setCreator(QStringLiteral("Orbeta - Tarovia"));
        writer.setTitle(title);
        if (!print(writer))
            return {};
    }
    return bytes;
}

QImage A4Document::pageImage(int dotsPerInch, const std::function<void(PrintPage&)>& print)
{
    const QSize size(qRound(PrintPage::kWidthMm / 25.4 * dotsPerInch), qRound(PrintPage::kHeightMm / 25.4 * dotsPerInch));
    QImage image(size, QImage::Format_RGB32);
    const int dotsPerMeter = qRound(dotsPerInch / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const double margin = PrintWorksheet::kPaperMarginMm / 25.4 * dotsPerInch;
    PrintPage out =
        PrintWorksheet::fitPage(painter, QRectF(QPointF(0, 0), QSizeF(size)).adjusted(margin, margin, -margin, -margin));
    print(out);
    return image;
}

} // namespace orbeta::print
