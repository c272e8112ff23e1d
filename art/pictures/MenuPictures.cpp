// The main menu: background, topic buttons, task buttons and the end button.
#include "art/ArtStyle.h"
#include "art/PictureCatalogue.h"
#include "art/pictures/Common.h"
#include "art/pictures/Layout.h"
#include "art/pictures/Screens.h"

#include <QPainter>
#include <QPainterPath>

namespace {

void drawBackground(QPainter& p, QSize size)
{
    ArtStyle::drawBackdrop(p, QRectF(QPointF(0, 0), size));
    ArtStyle::drawTitleBand(p, QRectF(0, 0, size.width(), 56), QStringLiteral("Orbeta Tarovia"));
    p.setPen(QColor(226, 236, 255));
    p.setFont(ArtStyle::font(15));
    p.drawText(QRectF(300, 0, 324, 53), Qt::AlignVCenter | Qt::AlignRight, QStringLiteral("Precvičovanie fyziky"));

    p.setPen(ArtStyle::ink());
    p.setFont(ArtStyle::font(16, true));
    const QRect topic = Layout::kTopicButton1;
    const QRect task = Layout::kTaskButton1;
    p.drawText(QRectF(topic.left() + 2, 62, topic.width(), 22), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("1. Vyber si tému:"));
    p.drawText(QRectF(task.left() + 2, 62, task.width(), 22), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("2. Vyber si úlohu:"));

    // Where the task buttons will stand: a faint frame, so that an empty
    // column reads as a place to look at.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(ArtStyle::panelEdge(), 1.5, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(task.left() - 6.5, task.top() - 6.5, task.width() + 13, 5 * task.height() + 13),
                      ArtStyle::kRadius + 4, ArtStyle::kRadius + 4);

    // The help (credits) button is part of the background.
    const QRectF help = Layout::kMenuHelp;
    const QRectF badge(help.left() + 4, help.center().y() - 15, 30, 30);
    p.setPen(QPen(ArtStyle::stripDark(), 1.5));
    p.setBrush(ArtStyle::strip());
    p.drawEllipse(badge);
    p.setPen(Qt::white);
    p.setFont(ArtStyle::font(20, true));
    p.drawText(badge, Qt::AlignCenter, QStringLiteral("i"));
    p.setPen(ArtStyle::ink());
    p.setFont(ArtStyle::font(16, true));
    p.drawText(help.adjusted(42, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("O programe"));
}

void drawTopicButton(QPainter& p, QSize size, int topic, ButtonState state)
{
    p.fillRect(QRect(QPoint(0, 0), size), ArtStyle::ground());
    ArtStyle::drawButton(p, QRectF(QPointF(0, 0), size), state);
    const QRectF disc(9, (size.height() - 38) / 2.0 - 1, 38, 38);
    p.setPen(Qt::NoPen);
    p.setBrush(ArtStyle::topic(topic));
    p.drawEllipse(disc);
    Common::drawTopicIcon(p, disc.adjusted(7, 7, -7, -7), topic, Qt::white);
    ArtStyle::drawFittedText(p, QRectF(56, 0, size.width() - 64, size.height() - 3), Common::topicName(topic), 19,
                             true, ArtStyle::buttonText(state), Qt::AlignLeft | Qt::AlignVCenter, false);
}

void drawTaskButton(QPainter& p, QSize size, const Common::Task& task, ButtonState state)
{
    p.fillRect(QRect(QPoint(0, 0), size), ArtStyle::ground());
    ArtStyle::drawButton(p, QRectF(QPointF(0, 0), size), state);
    const QColor iconColour = state == ButtonState::Chosen ? QColor(Qt::white) : ArtStyle::topic(task.topic);
    Common::drawTaskIcon(p, QRectF(12, (size.height() - 36) / 2.0 - 1, 36, 36), task.code, iconColour);
    // One line reads best in a column of buttons; long titles get a slightly
    // smaller size before they are wrapped.
    const QRectF text(60, 2, size.width() - 72, size.height() - 6);
    const int oneLine = ArtStyle::singleLineSize(task.title, text.width(), 18, 15, true);
    ArtStyle::drawFittedText(p, text, task.title, oneLine ? oneLine : 18, true, ArtStyle::buttonText(state),
                             Qt::AlignLeft | Qt::AlignVCenter, oneLine == 0);
}

void drawEndButton(QPainter& p, QSize size, ButtonState state)
{
    p.fillRect(QRect(QPoint(0, 0), size), ArtStyle::ground());
    ArtStyle::drawButton(p, QRectF(QPointF(0, 0), size), state);
    // A power symbol in the marks' red.
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF ring(14, size.height() / 2.0 - 11, 20, 20);
    p.setPen(QPen(ArtStyle::mark(), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(ring, 120 * 16, -300 * 16);
    p.drawLine(QPointF(ring.center().x(), ring.top() - 3), QPointF(ring.center().x(), ring.center().y()));
    ArtStyle::drawFittedText(p, QRectF(40, 0, size.width() - 46, size.height() - 3), QStringLiteral("Koniec"), 17,
                             true, ArtStyle::buttonText(state), Qt::AlignLeft | Qt::AlignVCenter, false);
}

} // namespace

void Screens::addMenu(PictureCatalogue& c)
{
    c.add(QStringLiteral("Bitmap\\Select\\bckg.bmp"), {640, 480}, drawBackground);
    for (int t = 1; t <= 6; ++t) {
        for (ButtonState s : {ButtonState::Normal, ButtonState::Highlighted}) {
            c.add(QStringLiteral("Bitmap\\Select\\l_%1%2.bmp").arg(t, 2, 10, QLatin1Char('0')).arg(Common::stateSuffix(s)),
                  Layout::kTopicButton1.size(), [t, s](QPainter& p, QSize size) { drawTopicButton(p, size, t, s); });
        }
    }
    for (const Common::Task& task : Common::tasks()) {
        for (ButtonState s : {ButtonState::Normal, ButtonState::Highlighted, ButtonState::Chosen}) {
            c.add(QStringLiteral("Bitmap\\Select\\r_%1%2.bmp").arg(Common::menuCode(task.code), Common::stateSuffix(s)),
                  Layout::kTaskButton1.size(),
                  [task, s](QPainter& p, QSize size) { drawTaskButton(p, size, task, s); });
        }
    }
    for (ButtonState s : {ButtonState::Normal, ButtonState::Highlighted}) {
        c.add(QStringLiteral("Bitmap\\Select\\end%1.bmp").arg(Common::stateSuffix(s)), Layout::kEndButton.size(),
              [s](QPainter& p, QSize size) { drawEndButton(p, size, s); });
    }
}
