#include "look/TextFit.h"

#include "look/Typeface.h"

#include <QFontMetricsF>
#include <QPainter>

namespace orbeta {

int TextFit::singleLineSize(const QString& text, qreal width, int maxPx, int minPx, bool bold)
{
    for (int px = maxPx; px >= minPx; --px) {
        if (QFontMetricsF(Typeface::font(px, bold)).horizontalAdvance(text) <= width)
            return px;
    }
    return 0;
}

void TextFit::drawFittedText(QPainter& painter, const QRectF& rect, const QString& text, int pixelSize, bool bold,
                             const QColor& colour, int flags, bool wrap)
{
    int size = pixelSize;
    QFont f = Typeface::font(size, bold);
    const int wrapFlag = wrap ? Qt::TextWordWrap : 0;
    for (; size > Typeface::kMinTextPx; --size) {
        f = Typeface::font(size, bold);
        const QRectF need = QFontMetricsF(f).boundingRect(rect, flags | wrapFlag, text);
        // Wrapping never breaks a word, so the longest one must fit on its own.
        bool wordsFit = true;
        for (const QString& word : text.split(' ', Qt::SkipEmptyParts))
            wordsFit = wordsFit && QFontMetricsF(f).horizontalAdvance(word) <= rect.width();
        if (need.width() <= rect.width() && need.height() <= rect.height() && wordsFit)
            break;
    }
    f = Typeface::font(size, bold);
    painter.save();
    painter.setFont(f);
    painter.setPen(colour);
    painter.drawText(rect, flags | wrapFlag, text);
    painter.restore();
}

} // namespace orbeta
