// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/page/PrintPage.h"

#include "look/basics/Typeface.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>

namespace orbeta::print {

PrintPage::PrintPage(QPainter& painter, QSizeF size, QPointF origin)
    : m_painter(&painter), m_size(size), m_origin(origin)
{
    setFont(PrintFace::Sans, 12);
}

float PrintPage::MmToX(float mm) const
{
    return float(m_origin.x() + m_size.width() / kWidthMm * mm);
}

float PrintPage::MmToY(float mm) const
{
    return float(m_origin.y() + m_size.height() / kHeightMm * mm);
}

QTransform PrintPage::mmTransform() const
{
    return QTransform::fromTranslate(m_origin.x(), m_origin.y())
        .scale(m_size.width() / kWidthMm, m_size.height() / kHeightMm);
}

void PrintPage::setFont(PrintFace face, double points, bool bold, bool italic)
{
    m_font = QFont(family(face));
    // Sized from the page itself, so the type is the same on every device.
    m_font.setPixelSize(qMax(1, qRound(points * 25.4 / 72 * m_size.height() / kHeightMm)));
    m_font.setBold(bold);
    m_font.setItalic(italic);
    m_font.setHintingPreference(QFont::PreferNoHinting);
    m_font.setKerning(true);
    // No "fi" ligature: a PDF's text is searched and copied letter by letter.
    m_font.setStyleStrategy(QFont::PreferNoShaping);
}

void PrintPage::printText(double xMm, double yMm, const QString& text, std::optional<double> rightEdgeMm)
{
    if (text.isEmpty())
        return;
    const QFontMetricsF metrics(m_font, m_painter->device());
    m_painter->save();
    m_painter->resetTransform();
    m_painter->translate(MmToX(float(xMm)), MmToY(float(yMm)) + metrics.ascent());
    const double width = textWidthMm(text);
    if (rightEdgeMm && xMm + width > *rightEdgeMm && *rightEdgeMm > xMm)
        m_painter->scale((*rightEdgeMm - xMm) / width, 1);
    m_painter->setFont(m_font);
    m_painter->setPen(m_colour);
    m_painter->drawText(QPointF(0, 0), text);
    m_painter->restore();
}

double PrintPage::textWidthMm(const QString& text) const
{
    const QFontMetricsF metrics(m_font, m_painter->device());
    return metrics.horizontalAdvance(text) / (m_size.width() / kWidthMm);
}

double PrintPage::lineHeightMm() const
{
    const QFontMetricsF metrics(m_font, m_painter->device());
    return metrics.height() / (m_size.height() / kHeightMm);
}

QString PrintPage::family(PrintFace face)
{
    return face == PrintFace::Sigla ? QStringLiteral("Sigla") : Typeface::font(12).family();
}

void PrintPage::loadFonts(const QString& siglaFile)
{
    Typeface::loadFonts();
    if (!QFontDatabase::families().contains(QStringLiteral("Sigla")))
        QFontDatabase::addApplicationFont(siglaFile);
}

} // namespace orbeta::print
