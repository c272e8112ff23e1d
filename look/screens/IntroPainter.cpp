// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "look/screens/IntroPainter.h"

#include "look/controls/AppIconPainter.h"
#include "look/controls/ButtonPainter.h"
#include "look/controls/HelpFooter.h"
#include "look/basics/Layout.h"
#include "look/basics/Palette.h"
#include "look/basics/PictureImage.h"
#include "look/screens/SetupPainter.h"
#include "look/basics/Shapes.h"
#include "look/controls/TaskLabel.h"
#include "look/basics/TextFit.h"
#include "look/basics/Typeface.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace orbeta {
namespace {

void drawNightSky(QPainter& p, QSize size)
{
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, QColor(10, 26, 74));
    g.setColorAt(1, QColor(28, 72, 156));
    p.fillRect(QRect(QPoint(0, 0), size), g);
}

const TaskLabel& labelOf(const QString& code)
{
    const QList<TaskLabel>& all = TaskLabel::all();
    return *std::find_if(all.begin(), all.end(), [&code](const TaskLabel& t) { return t.code == code; });
}

// A small picture of the setup screen with every control in place, from the
// drawings of the pictures the form shows.
QImage setupScreenshot(TopicGroup group)
{
    const bool history = group == TopicGroup::History;
    const TaskLabel& task = labelOf(history ? QStringLiteral("6b") : QStringLiteral("1a"));
    QImage screen = PictureImage::opaque(Layout::kScreen, [group](QPainter& p, QSize size) {
                        SetupPainter::drawBackground(p, size, group);
                    }).convertToFormat(QImage::Format_RGB32);
    QPainter p(&screen);
    const auto sprite = [&p](const QImage& image, QPoint at) {
        const QRgb magenta = Palette::transparent().rgb();
        QImage masked = image.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < masked.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(masked.scanLine(y));
            for (int x = 0; x < masked.width(); ++x) {
                if (line[x] == magenta)
                    line[x] = 0;
            }
        }
        p.drawImage(at, masked);
    };
    sprite(PictureImage::sprite(
               Layout::kTopicPictureSize,
               [&task](QPainter& tp, QSize size) { SetupPainter::drawTopicPicture(tp, size, task); }, Palette::ground()),
           Layout::kTopicPicture);
    p.drawImage(history ? Layout::kHeading6 : Layout::kHeading15,
                PictureImage::opaque(history ? Layout::kHeadingSize6 : Layout::kHeadingSize15,
                                     [&task](QPainter& hp, QSize size) { SetupPainter::drawHeading(hp, size, task); }));
    const auto counts = TaskTable::countsOffered(group);
    for (int i = 1; i <= TaskTable::kCountButtons; ++i) {
        const int count = counts[static_cast<std::size_t>(i - 1)];
        const ButtonLook look = i == 2 ? ButtonLook::Chosen : ButtonLook::Normal;
        p.drawImage(Layout::kCountButton1.topLeft() + QPoint(Layout::kCountStep * (i - 1), 0),
                    PictureImage::opaque(Layout::kCountButton1.size(), [count, look](QPainter& bp, QSize size) {
                        SetupPainter::drawCountButton(bp, size, count, look);
                    }));
    }
    p.drawImage(Layout::kArrow, PictureImage::opaque(Layout::kArrowSize, [](QPainter& ap, QSize size) {
                    SetupPainter::drawArrow(ap, size, 2);
                }));
    const int fw = Layout::kContinueButton.width();
    const QSize strip(fw * Layout::kStripFrames, Layout::kContinueButton.height());
    const QImage go = PictureImage::opaque(strip, SetupPainter::drawContinueStrip);
    const QImage print = PictureImage::opaque(strip, SetupPainter::drawPrintStrip);
    p.drawImage(Layout::kContinueButton.topLeft(), go.copy(fw * (Layout::kStripFrames - 1), 0, fw, go.height()));
    p.drawImage(Layout::kPrintButton.topLeft(), print.copy(fw * (Layout::kStripFrames - 1), 0, fw, print.height()));
    p.drawImage(Layout::kSetupBack.topLeft(), PictureImage::opaque(Layout::kSetupBack.size(), [](QPainter& bp, QSize size) {
                    ButtonPainter::drawBackButton(bp, size, ButtonLook::Normal);
                }));
    const QRect field = history ? Layout::kNameField6 : Layout::kNameField15;
    p.setPen(Palette::ink());
    p.setFont(Typeface::font(16));
    p.drawText(field.adjusted(6, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Zuzka"));
    return screen;
}

} // namespace

void IntroPainter::drawTitle(QPainter& p, QSize size)
{
    drawNightSky(p, size);
    p.setRenderHint(QPainter::Antialiasing);
    // Stars at fixed places.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    const QRectF words(30, 80, 470, 230);
    for (int k = 0; k < 70; ++k) {
        const QPointF star((k * 97 + 31) % size.width(), (k * 53 + 17) % 330);
        if (!words.contains(star))
            p.drawEllipse(star, 0.8 + (k % 3) * 0.5, 0.8 + (k % 3) * 0.5);
    }
    AppIconPainter::drawEmblem(p, QPointF(515, 118), 0.85);

    // A lens bending parallel rays to its focus: the optics tasks.
    const qreal lx = 440, ly = 375;
    p.setPen(QPen(QColor(255, 120, 120), 2));
    for (int k = -2; k <= 2; ++k) {
        p.drawLine(QPointF(lx - 130, ly + 14 * k), QPointF(lx, ly + 14 * k));
        p.drawLine(QPointF(lx, ly + 14 * k), QPointF(lx + 120, ly - 10 * k));
    }
    QPainterPath lens;
    lens.moveTo(lx, ly - 50);
    lens.quadTo(lx + 20, ly, lx, ly + 50);
    lens.quadTo(lx - 20, ly, lx, ly - 50);
    p.setPen(QPen(QColor(200, 240, 255), 2));
    p.setBrush(QColor(170, 220, 255, 90));
    p.drawPath(lens);

    p.setPen(Qt::white);
    p.setFont(Typeface::font(50, true));
    p.drawText(QRectF(40, 90, 420, 70), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Orbeta"));
    p.drawText(QRectF(40, 150, 420, 70), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Tarovia"));
    p.fillRect(QRectF(44, 226, 220, 4), Palette::gold());
    p.setPen(QColor(214, 230, 255));
    p.setFont(Typeface::font(19, true));
    p.drawText(QRectF(42, 238, 560, 30), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Precvičovanie fyziky pre základné školy"));
    p.setFont(Typeface::font(15));
    p.drawText(QRectF(42, 268, 560, 26), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Mechanika · Termika · Optika · Elektrina · História"));
    p.setPen(QColor(255, 236, 170));
    p.setFont(Typeface::font(15, true));
    p.drawText(QRectF(200, 430, 420, 30), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Klikni alebo stlač kláves a môžeš začať!"));
}

void IntroPainter::drawCredits(QPainter& p, QSize size)
{
    drawNightSky(p, size);
    AppIconPainter::drawEmblem(p, QPointF(540, 110), 0.7);
    p.setPen(Qt::white);
    p.setFont(Typeface::font(34, true));
    p.drawText(QRectF(40, 40, 560, 50), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Orbeta Tarovia"));
    p.setPen(QColor(214, 230, 255));
    p.setFont(Typeface::font(17));
    p.drawText(QRectF(42, 88, 460, 26), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Precvičovanie fyziky pre základné školy"));

    Shapes::drawPanel(p, QRectF(40, 128, 560, 192), QColor(242, 247, 253), Palette::panelEdge(), 14);
    struct Row {
        const char* role;
        const char* who;
    };
    const Row rows[] = {
        {"Program", "Tím Orbeta Tarovia"},
        {"Úlohy a texty", "Tím Orbeta Tarovia"},
        {"Obrázky a zvuky", "Tím Orbeta Tarovia"},
        {"Písmo", "DejaVu Sans"},
        {"Pre koho", "žiaci 6. až 9. ročníka"},
    };
    int y = 138;
    for (const Row& row : rows) {
        p.setPen(Palette::strip());
        p.setFont(Typeface::font(16, true));
        p.drawText(QRectF(64, y, 200, 34), Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(row.role));
        p.setPen(Palette::ink());
        p.setFont(Typeface::font(17));
        p.drawText(QRectF(250, y, 330, 34), Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(row.who));
        y += 35;
    }

    // The menu's keys: this picture is the menu's help.
    Shapes::drawPanel(p, QRectF(40, 330, 560, 86), Palette::hintFill(), Palette::hintEdge(), 14);
    TextFit::drawFittedText(p, QRectF(58, 336, 526, 74),
                            QStringLiteral("Klávesy v ponuke: šípky alebo Tab vyberú tému a úlohu, Enter ju otvorí. "
                                           "Číslo 1 až 6 vyberie tému, písmeno a až e jej úlohu (1 a je Hustota "
                                           "kvapaliny). F1 ukáže tento obrázok, Escape ukončí program."),
                            15, false, Palette::ink(), Qt::AlignLeft | Qt::AlignVCenter);
    p.setPen(QColor(255, 236, 170));
    p.setFont(Typeface::font(15, true));
    p.drawText(QRectF(40, 424, 560, 30), Qt::AlignCenter,
               QStringLiteral("Klikni alebo stlač ľubovoľný kláves a vrátiš sa do ponuky."));
}

void IntroPainter::drawSetupHelp(QPainter& p, QSize size, TopicGroup group)
{
    const bool history = group == TopicGroup::History;
    Shapes::drawBackdrop(p, QRectF(QPointF(0, 0), size));
    Shapes::drawTitleBand(p, QRectF(0, 0, size.width(), 48), QStringLiteral("Pomoc: ako začať"));
    p.setRenderHint(QPainter::Antialiasing);

    // The screen at half size, with numbered marks on its controls.
    constexpr qreal k = 0.5;
    const QPointF at(12, 62);
    const QImage shot = setupScreenshot(group).scaled(320, 240, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    p.fillRect(QRectF(at.x() - 3, at.y() - 3, 326, 246), Palette::stripDark());
    p.drawImage(at, shot);
    const QRect field = history ? Layout::kNameField6 : Layout::kNameField15;
    const auto mark = [&](QPoint screenPoint, int n) { Shapes::drawNumberBadge(p, at + QPointF(screenPoint) * k, n); };
    mark(field.topLeft() + QPoint(-28, 14), 1);
    mark(Layout::kCountButton1.topLeft() + QPoint(-22, 22), 2);
    mark(Layout::kContinueButton.topLeft() + QPoint(Layout::kContinueButton.width() - 4, 0), 3);
    mark(Layout::kPrintButton.topLeft() + QPoint(0, 0), 4);
    mark(Layout::kSetupBack.topLeft() + QPoint(Layout::kSetupBack.width() - 4, 0), 5);

    const QString counts = history ? QStringLiteral("5, 10, 15, 20 alebo 25") : QStringLiteral("3, 5, 8, 10 alebo 15");
    struct Step {
        int n;
        QString text;
    };
    const QList<Step> steps = {
        {1, QStringLiteral("Napíš do okienka svoje meno. Zapíše sa do tabuľky výsledkov.")},
        {2, QStringLiteral("Vyber, koľko príkladov chceš riešiť: %1. Aj šípkami.").arg(counts)},
        {3, QStringLiteral("Klikni na Pokračuj alebo stlač Enter a môžeš začať. Tlačidlo sa objaví, keď máš zadané "
                           "meno aj počet.")},
        {4, QStringLiteral("Tlač vytlačí pracovný list s novými príkladmi na papier.")},
        {5, QStringLiteral("Späť (aj Escape) ťa vráti do ponuky, kde si vyberieš inú úlohu.")},
    };
    qreal y = 58;
    for (const Step& s : steps) {
        Shapes::drawNumberBadge(p, QPointF(358, y + 14), s.n);
        TextFit::drawFittedText(p, QRectF(378, y, 250, 58), s.text, 15, false, Palette::ink(),
                                 Qt::AlignLeft | Qt::AlignTop);
        y += 62;
    }
    Shapes::drawPanel(p, QRectF(350, y + 2, 278, 58), Palette::hintFill(), Palette::hintEdge());
    TextFit::drawFittedText(p, QRectF(360, y + 6, 260, 50),
                            QStringLiteral("Klávesy: Tab a Shift+Tab prechádzajú medzi časťami, Enter pokračuje, "
                                           "F1 ukáže tento obrázok."),
                            14, false, Palette::ink(), Qt::AlignLeft | Qt::AlignVCenter);
    Shapes::drawPanel(p, QRectF(12, 318, 326, 100), Qt::white, Palette::panelEdge());
    TextFit::drawFittedText(p, QRectF(26, 324, 300, 90),
                             history ? QStringLiteral("V úlohách z histórie priraďuješ objavy, vynálezy a osobnosti. "
                                                      "Každá dvojica alebo každé miesto na časovej osi je jeden príklad.")
                                     : QStringLiteral("Príklady počítaj na papieri alebo na kalkulačke v programe. "
                                                      "Desatinné čísla píš s čiarkou, napríklad 2,5."),
                             15, false, Palette::ink(), Qt::AlignLeft | Qt::AlignVCenter);
    HelpFooter::draw(p, QRectF(12, 432, 616, 36));
}

} // namespace orbeta
