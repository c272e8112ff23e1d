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
    ArtStyle::drawFittedText(p, QRectF(250, 18, 246, 48), QStringLiteral("Najlepšie výsledky"), 22, true,
                             ArtStyle::navy(), Qt::AlignLeft | Qt::AlignVCenter, false);

    const QRectF table(20, 118, 600, 352);
    ArtStyle::drawPanel(p, table, Qt::white, ArtStyle::panelEdge());
    const QRectF head(22, 126, 596, 30);
    p.fillRect(head, ArtStyle::strip());
    const char* const titles[] = {"Miesto", "Meno", "Správne", "Nesprávne", "Známka"};
    for (int i = 0; i < 5; ++i) {
        const qreal right = i < 4 ? kColumns[i + 1] - 6 : head.right() - 4;
        ArtStyle::drawFittedText(p, QRectF(kColumns[i] - 2, head.top(), right - kColumns[i] + 2, head.height()),
                                 QString::fromUtf8(titles[i]), 13, true, Qt::white, Qt::AlignLeft | Qt::AlignVCenter,
                                 false);
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
