#include "art/ArtStyle.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTextOption>

#ifndef ORBETA_DEJAVU_DIR
#define ORBETA_DEJAVU_DIR "/usr/share/fonts/truetype/dejavu"
#endif

QColor ArtStyle::topic(int topic)
{
    switch (topic) {
    case 1: return {36, 104, 196};  // Mechanika 1: blue
    case 2: return {30, 140, 88};   // Mechanika 2: green
    case 3: return {214, 84, 28};   // Termika: orange
    case 4: return {0, 132, 150};   // Optika: teal
    case 5: return {170, 108, 0};   // Elektrina: amber
    case 6: return {112, 72, 160};  // História: violet
    default: return strip();
    }
}

void ArtStyle::loadFonts()
{
    // Loading the files themselves keeps the pictures the same whatever
    // fontconfig would pick for the family name.
    const QString dir = QStringLiteral(ORBETA_DEJAVU_DIR);
    QFontDatabase::addApplicationFont(dir + "/DejaVuSans.ttf");
    QFontDatabase::addApplicationFont(dir + "/DejaVuSans-Bold.ttf");
}

QFont ArtStyle::font(int pixelSize, bool bold)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

namespace {

struct ButtonLook {
    QColor top, bottom, edge;
    qreal edgeWidth;
};

ButtonLook lookOf(ButtonState state)
{
    switch (state) {
    case ButtonState::Highlighted:
        return {{255, 255, 246}, {255, 226, 150}, {222, 112, 0}, 3.0};
    case ButtonState::Chosen:
        return {{60, 110, 196}, {24, 58, 132}, {10, 30, 84}, ArtStyle::kOutline};
    case ButtonState::Normal:
        break;
    }
    return {{255, 255, 255}, {208, 224, 244}, {40, 80, 150}, ArtStyle::kOutline};
}

QPainterPath rounded(const QRectF& r, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

} // namespace

QColor ArtStyle::buttonText(ButtonState state)
{
    return state == ButtonState::Chosen ? QColor(Qt::white) : ink();
}

void ArtStyle::drawButton(QPainter& painter, const QRectF& rect, ButtonState state)
{
    const ButtonLook look = lookOf(state);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // Shade towards the bottom right; a pressed button sits lower and casts less.
    const qreal drop = state == ButtonState::Chosen ? 1.0 : 2.5;
    const QRectF face = rect.adjusted(1, 1, -3, -3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade());
    painter.drawPath(rounded(face.translated(drop, drop), kRadius));

    QLinearGradient g(face.topLeft(), face.bottomLeft());
    g.setColorAt(0, look.top);
    g.setColorAt(1, look.bottom);
    painter.setBrush(g);
    painter.setPen(QPen(look.edge, look.edgeWidth));
    const qreal inset = look.edgeWidth / 2;
    painter.drawPath(rounded(face.adjusted(inset, inset, -inset, -inset), kRadius));

    // A thin gleam inside the top edge where the light hits.
    if (state != ButtonState::Chosen) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(255, 255, 255, 200), 1.5));
        const QRectF in = face.adjusted(look.edgeWidth + 1.5, look.edgeWidth + 1.5, -look.edgeWidth - 1.5,
                                        -face.height() / 2);
        QPainterPath gleam;
        gleam.moveTo(in.left(), in.bottom());
        gleam.lineTo(in.left(), in.top() + kRadius - 3);
        gleam.quadTo(in.left(), in.top(), in.left() + kRadius - 3, in.top());
        gleam.lineTo(in.right() - kRadius + 3, in.top());
        painter.drawPath(gleam);
    }
    painter.restore();
}

void ArtStyle::drawPanel(QPainter& painter, const QRectF& rect, const QColor& fill, const QColor& edge, qreal radius)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade());
    painter.drawPath(rounded(rect.adjusted(1, 1, -1, -1).translated(2.5, 2.5), radius));
    painter.setBrush(fill);
    painter.setPen(QPen(edge, kOutline));
    painter.drawPath(rounded(rect.adjusted(1, 1, -2, -2), radius));
    painter.restore();
}

void ArtStyle::drawBackdrop(QPainter& painter, const QRectF& rect)
{
    painter.fillRect(rect, ground());
}

void ArtStyle::drawTitleBand(QPainter& painter, const QRectF& rect, const QString& caption)
{
    QLinearGradient g(rect.topLeft(), rect.bottomLeft());
    g.setColorAt(0, strip().lighter(112));
    g.setColorAt(1, stripDark());
    painter.fillRect(rect, g);
    painter.fillRect(QRectF(rect.left(), rect.bottom() - 3, rect.width(), 3), gold());
    if (!caption.isEmpty()) {
        painter.setPen(Qt::white);
        painter.setFont(font(int(rect.height() * 0.42), true));
        painter.drawText(rect.adjusted(16, 0, -16, -3), Qt::AlignVCenter | Qt::AlignLeft, caption);
    }
}

int ArtStyle::singleLineSize(const QString& text, qreal width, int maxPx, int minPx, bool bold)
{
    for (int px = maxPx; px >= minPx; --px) {
        if (QFontMetricsF(font(px, bold)).horizontalAdvance(text) <= width)
            return px;
    }
    return 0;
}

void ArtStyle::drawFittedText(QPainter& painter, const QRectF& rect, const QString& text, int pixelSize, bool bold,
                              const QColor& colour, int flags, bool wrap)
{
    int size = pixelSize;
    QFont f = font(size, bold);
    const int wrapFlag = wrap ? Qt::TextWordWrap : 0;
    for (; size > kMinTextPx; --size) {
        f = font(size, bold);
        const QRectF need = QFontMetricsF(f).boundingRect(rect, flags | wrapFlag, text);
        // Wrapping never breaks a word, so the longest one must fit on its own.
        bool wordsFit = true;
        for (const QString& word : text.split(' ', Qt::SkipEmptyParts))
            wordsFit = wordsFit && QFontMetricsF(f).horizontalAdvance(word) <= rect.width();
        if (need.width() <= rect.width() && need.height() <= rect.height() && wordsFit)
            break;
    }
    f = font(size, bold);
    painter.save();
    painter.setFont(f);
    painter.setPen(colour);
    painter.drawText(rect, flags | wrapFlag, text);
    painter.restore();
}
