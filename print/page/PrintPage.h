// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QTransform>

#include <optional>

class QPainter;

namespace orbeta::print {

// The two faces of a worksheet: the program's sans-serif and the symbol font.
enum class PrintFace { Sans, Sigla };

// One A4 page on a painter (a printer, a PDF, an image): positions in
// millimetres from the paper's top left corner, type in points, text placed
// by the top of its line as a printer's current position is.
class PrintPage {
public:
    static constexpr double kWidthMm = 210;
    static constexpr double kHeightMm = 297;

    // `size`: the whole A4 sheet in the painter's device units, its top left
    // corner at `origin`.
    PrintPage(QPainter& painter, QSizeF size, QPointF origin = {});

    QPainter& painter() const { return *m_painter; }
    float MmToX(float mm) const;
    float MmToY(float mm) const;
    // Painter coordinates in millimetres, for drawing shapes.
    QTransform mmTransform() const;
    // Device units per millimetre.
    double dotsPerMm() const { return m_size.width() / kWidthMm; }

    void setFont(PrintFace face, double points, bool bold = false, bool italic = false);
    const QFont& font() const { return m_font; }
    void setTextColor(const QColor& colour) { m_colour = colour; }
    // Draws `text` with the top of its line at (x, y); with a right edge, a
    // text that would pass it is narrowed to end there.
    void printText(double xMm, double yMm, const QString& text, std::optional<double> rightEdgeMm = std::nullopt);
    double textWidthMm(const QString& text) const;
    double lineHeightMm() const;

    // Where the slot being printed may draw: from the top of its picture
    // (below the texts above the first slot) to above the next slot's
    // picture or the footer.
    QRectF slotArea() const { return m_slotArea; }
    void setSlotArea(const QRectF& areaMm) { m_slotArea = areaMm; }

    static QString family(PrintFace face);
    // Registers the faces with the font database; once per process.
    static void loadFonts(const QString& siglaFile);

private:
    QPainter* m_painter;
    QSizeF m_size;
    QPointF m_origin;
    QFont m_font;
    QColor m_colour = Qt::black;
    QRectF m_slotArea;
};

} // namespace orbeta::print
