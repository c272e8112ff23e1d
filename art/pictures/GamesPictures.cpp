// Task forms: the background, the four top buttons and the task pictures
// (drawn at the top left of the task forms and of the results form).
#include "art/ArtStyle.h"
#include "art/PictureCatalogue.h"
#include "art/pictures/Common.h"
#include "art/pictures/Layout.h"
#include "art/pictures/Screens.h"

#include <QPainter>
#include <QPainterPath>

namespace {

void drawTaskBackground(QPainter& p, QSize size)
{
    ArtStyle::drawBackdrop(p, QRectF(QPointF(0, 0), size));
    const int h = Layout::kHeaderHeight;
    p.fillRect(QRectF(0, h, size.width(), 3), ArtStyle::strip());
    p.fillRect(QRectF(0, h + 3, size.width(), 2), ArtStyle::gold());
    ArtStyle::drawPanel(p, QRectF(6, h + 10, size.width() - 12, size.height() - h - 16), ArtStyle::panel(),
                        ArtStyle::panelEdge());
}

// The task picture: a banner in the topic's colour with the topic and the title.
void drawTaskPicture(QPainter& p, QSize size, const Common::Task& task)
{
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath banner;
    const QRectF r(0, 0, size.width() - 2, size.height() - 4);
    // Square at the screen's corner, rounded where it meets the screen.
    banner.moveTo(r.topLeft());
    banner.lineTo(r.right(), r.top());
    banner.lineTo(r.right(), r.bottom() - 18);
    banner.quadTo(r.right(), r.bottom(), r.right() - 18, r.bottom());
    banner.lineTo(r.left(), r.bottom());
    banner.closeSubpath();
    const QColor c = ArtStyle::topic(task.topic);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, c.lighter(112));
    g.setColorAt(1, c.darker(125));
    p.setPen(QPen(c.darker(170), 2));
    p.setBrush(g);
    p.drawPath(banner);
    p.fillRect(QRectF(0, r.bottom() - 6, r.width() - 12, 3), ArtStyle::gold());

    const QRectF disc(8, 10, 52, 52);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawEllipse(disc);
    Common::drawTaskIcon(p, disc.adjusted(9, 9, -9, -9), task.code, c.darker(130));

    p.setPen(QColor(255, 255, 255, 230));
    p.setFont(ArtStyle::font(13, true));
    p.drawText(QRectF(70, 6, r.width() - 76, 18), Qt::AlignLeft | Qt::AlignVCenter, Common::topicName(task.topic));
    ArtStyle::drawFittedText(p, QRectF(70, 24, r.width() - 80, r.height() - 32), task.title, 19, true, Qt::white,
                             Qt::AlignLeft | Qt::AlignVCenter);
}

void addTopButton(PictureCatalogue& c, const QString& name, const QString& label, const Common::IconDraw& icon)
{
    for (ButtonState s : {ButtonState::Normal, ButtonState::Highlighted}) {
        c.add(QStringLiteral("Bitmap\\Games\\%1%2.bmp").arg(name, Common::stateSuffix(s)), Layout::kTopButton1.size(),
              [s, label, icon](QPainter& p, QSize size) { Common::drawToolButton(p, size, s, label, icon); });
    }
}

} // namespace

void Screens::addGames(PictureCatalogue& c)
{
    c.add(QStringLiteral("Bitmap\\Games\\bg_1.bmp"), {640, 480}, drawTaskBackground);
    addTopButton(c, QStringLiteral("check"), QStringLiteral("Vyhodnoť"), Common::drawTick);
    addTopButton(c, QStringLiteral("new"), QStringLiteral("Nový"), Common::drawRenew);
    addTopButton(c, QStringLiteral("tab"), QStringLiteral("Tabuľka"), Common::drawTable);
    addTopButton(c, QStringLiteral("back"), QStringLiteral("Späť"), Common::drawBackArrow);
    for (const Common::Task& task : Common::tasks()) {
        c.addSprite(QStringLiteral("Bitmap\\Games\\%1.bmp").arg(task.code), Layout::kTitlePicture,
                    [task](QPainter& p, QSize size) { drawTaskPicture(p, size, task); }, ArtStyle::ground());
    }
}
