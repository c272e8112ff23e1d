// The results form: background with the table frame, and its back button.
#include "art/ArtStyle.h"
#include "art/PictureCatalogue.h"
#include "art/pictures/Common.h"
#include "art/pictures/Layout.h"
#include "art/pictures/Screens.h"

#include <QPainter>

namespace {

// Column left edges of the table rows (the form places its labels there).
constexpr int kColumns[] = {32, 91, 376, 464, 544};

void drawResultsBackground(QPainter& p, QSize size)
{
    ArtStyle::drawBackdrop(p, QRectF(QPointF(0, 0), size));
    p.setPen(ArtStyle::navy());
    p.setFont(ArtStyle::font(24, true));
    p.drawText(QRectF(250, 18, 250, 48), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Najlepšie výsledky"));

    const QRectF table(20, 118, 600, 352);
    ArtStyle::drawPanel(p, table, Qt::white, ArtStyle::panelEdge());
    const QRectF head(22, 126, 596, 30);
    p.fillRect(head, ArtStyle::strip());
    p.setPen(Qt::white);
    p.setFont(ArtStyle::font(14, true));
    const char* const titles[] = {"Miesto", "Meno", "Správne", "Nesprávne", "Známka"};
    for (int i = 0; i < 5; ++i) {
        p.drawText(QRectF(kColumns[i] - 2, head.top(), 90, head.height()), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromUtf8(titles[i]));
    }
    // Ten row bands; the labels stand at 165 + 30 × (i − 1).
    for (int i = 0; i < 10; ++i) {
        const qreal top = Layout::kRowTop - 4 + Layout::kRowStep * i;
        if (i % 2 == 1)
            p.fillRect(QRectF(24, top, 592, Layout::kRowStep), QColor(234, 242, 252));
    }
    p.setPen(QPen(QColor(206, 220, 238), 1));
    for (int i = 2; i < 5; ++i)
        p.drawLine(QPointF(kColumns[i] - 10, 158), QPointF(kColumns[i] - 10, 464));
}

} // namespace

void Screens::addResults(PictureCatalogue& c)
{
    c.add(QStringLiteral("Bitmap\\Tab\\bckg.bmp"), {640, 480}, drawResultsBackground);
    for (ButtonState s : {ButtonState::Normal, ButtonState::Highlighted}) {
        c.add(QStringLiteral("Bitmap\\Tab\\back%1.bmp").arg(Common::stateSuffix(s)), Layout::kResultsBack.size(),
              [s](QPainter& p, QSize size) {
                  Common::drawLabelButton(p, size, s, QStringLiteral("Späť"), Common::drawBackArrow);
              });
    }
}
