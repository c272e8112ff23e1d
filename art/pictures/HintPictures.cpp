// The hint window's bubbles. The window is cut to the drawn shape, so
// everything outside the bubble is magenta; the text areas of the hint
// window lie inside the bubble body.
#include "art/ArtStyle.h"
#include "art/PictureCatalogue.h"
#include "art/pictures/Screens.h"

#include <QPainter>
#include <QPainterPath>

namespace {

enum class Pointer { Left, Right, Top, None };

void drawBubble(QPainter& p, QSize size, Pointer pointer)
{
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();
    constexpr qreal tip = 9;
    QRectF body(0.75, 0.75, w - 1.5, h - 1.5);
    switch (pointer) {
    case Pointer::Left: body.setLeft(tip); break;
    case Pointer::Right: body.setRight(w - tip); break;
    case Pointer::Top: body.setTop(tip); break;
    case Pointer::None: break;
    }
    const qreal radius = qMin<qreal>(9, body.height() / 2 - 1);
    QPainterPath shape;
    shape.addRoundedRect(body, radius, radius);
    QPainterPath spike;
    const qreal mid = body.center().y();
    switch (pointer) {
    case Pointer::Left: spike.addPolygon(QPolygonF({{0.5, mid}, {tip + 3, mid - 6}, {tip + 3, mid + 6}})); break;
    case Pointer::Right: spike.addPolygon(QPolygonF({{w - 0.5, mid}, {w - tip - 3, mid - 6}, {w - tip - 3, mid + 6}})); break;
    case Pointer::Top: spike.addPolygon(QPolygonF({{22, 0.5}, {14, tip + 3}, {34, tip + 3}})); break;
    case Pointer::None: break;
    }
    shape = shape.united(spike);
    p.setPen(QPen(ArtStyle::hintEdge(), 1.5));
    p.setBrush(ArtStyle::hintFill());
    p.drawPath(shape.simplified());
}

void drawBigHint(QPainter& p, QSize size)
{
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body(1, 1, size.width() - 2, size.height() - 2);
    p.setPen(QPen(ArtStyle::hintEdge(), 2));
    p.setBrush(ArtStyle::hintFill());
    p.drawRoundedRect(body.adjusted(0.5, 0.5, -0.5, -0.5), 14, 14);
    p.setPen(QPen(ArtStyle::hintEdge().lighter(150), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(body.adjusted(5, 5, -5, -5), 10, 10);
}

} // namespace

void Screens::addHints(PictureCatalogue& c)
{
    const QColor matte = ArtStyle::panel();
    const auto bubble = [&c, matte](const char* name, QSize size, Pointer pointer) {
        c.addSprite(QStringLiteral("Bitmap\\Games\\%1").arg(QLatin1String(name)), size,
                    [pointer](QPainter& p, QSize s) { drawBubble(p, s, pointer); }, matte);
    };
    bubble("Hint01.bmp", {214, 28}, Pointer::Left);
    bubble("Hint02.bmp", {212, 48}, Pointer::Left);
    c.addSprite(QStringLiteral("Bitmap\\Games\\Hint03.bmp"), {403, 369}, drawBigHint, matte);
    bubble("Hint04.bmp", {476, 37}, Pointer::Top);
    bubble("Hint05.bmp", {214, 28}, Pointer::Right);
    bubble("Hint06.bmp", {300, 37}, Pointer::Top);
}
