// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "look/screens/OpticsPainter.h"

#include "look/screens/CalcFormPainter.h"
#include "look/controls/HelpFooter.h"
#include "look/basics/Layout.h"
#include "look/basics/Palette.h"
#include "look/basics/Shapes.h"
#include "look/basics/TextFit.h"
#include "look/basics/Typeface.h"

#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>

namespace orbeta {
namespace {

constexpr std::array<MirrorDrawing, 6> kMirrors{{
    {"ZrkDut1.bmp", 200, 500, 300},
    {"ZrkDut2.bmp", 180, 500, 320},
    {"ZrkDut3.bmp", 170, 510, 340},
    {"ZrkVyp1.bmp", 680, 400, 280},
    {"ZrkVyp2.bmp", 720, 400, 320},
    {"ZrkVyp3.bmp", 760, 400, 360},
}};

const QColor kHatch{120, 140, 186};
const QColor kBacking{150, 168, 206};
const QColor kGlass{206, 232, 248};

constexpr int kAxisY = Layout::kOpticsAxisY;

void drawAxis(QPainter& p, QSize size)
{
    p.setPen(QPen(Palette::ink(), 1));
    p.drawLine(Layout::kOpticsAxisStartX, kAxisY, size.width() - 10, kAxisY);
}

// A tick across the axis, and its letter under it when `letters`.
void drawMark(QPainter& p, QSize size, int x, const QString& letter, bool letters)
{
    if (x < 0 || x >= size.width())
        return;
    p.setPen(QPen(Palette::ink(), 1));
    p.drawLine(x, kAxisY - 4, x, kAxisY + 4);
    if (letters)
        OpticsPainter::drawLetter(p, x, letter, OpticsPainter::kLetterPixels, OpticsPainter::LetterPlace::Below);
}

} // namespace

std::span<const MirrorDrawing> OpticsPainter::mirrors()
{
    return kMirrors;
}

std::optional<bool> OpticsPainter::concaveMirror(const QString& fileName)
{
    for (const MirrorDrawing& mirror : kMirrors)
        if (fileName.compare(QLatin1String(mirror.fileName), Qt::CaseInsensitive) == 0)
            // The light comes from the left: a concave mirror has C before V.
            return mirror.centreX < mirror.vertexX;
    return std::nullopt;
}

void OpticsPainter::drawLetter(QPainter& p, int x, const QString& letter, int pixels, LetterPlace place)
{
    const int width = 2 * pixels;
    const int shift = place == LetterPlace::Below ? 0 : (place == LetterPlace::BelowLeft ? -1 : 1) * (pixels / 2 + 6);
    p.setPen(Palette::ink());
    p.setFont(Typeface::font(pixels, true));
    p.drawText(QRect(x + shift - width / 2, kAxisY + 6, width, pixels + 4), Qt::AlignCenter, letter);
}

void OpticsPainter::drawMirror(QPainter& p, QSize size, const MirrorDrawing& m, bool letters)
{
    const bool concave = m.centreX < m.vertexX;
    // The surface faces the object on the left; the backing lies on its right.
    drawAxis(p, size);
    for (int dy = -kArcHalfHeight; dy <= kArcHalfHeight; ++dy) {
        const double reach = std::sqrt(double(m.radius) * m.radius - double(dy) * dy);
        const int x = int(std::lround(concave ? m.centreX + reach : m.centreX - reach));
        const int y = kAxisY + dy;
        p.fillRect(QRect(x + 1, y, 3, 1), kBacking);
        p.fillRect(QRect(x, y, 1, 1), surface());
        if ((dy + kArcHalfHeight) % 10 == 0 && dy < kArcHalfHeight) {
            p.setPen(QPen(kHatch, 1));
            p.drawLine(x + 4, y, x + 11, y + 7);
        }
    }
    const int focusX = (m.centreX + m.vertexX) / 2;
    drawMark(p, size, m.centreX, QStringLiteral("C"), letters);
    drawMark(p, size, focusX, QStringLiteral("F"), letters);
    // V is where the mirror itself crosses the axis: no tick of its own, the
    // letter just in front of it.
    if (letters)
        drawLetter(p, m.vertexX, QStringLiteral("V"), kLetterPixels, LetterPlace::BelowLeft);
}

void OpticsPainter::drawLens(QPainter& p, QSize size, bool converging, bool letters)
{
    drawAxis(p, size);
    p.setRenderHint(QPainter::Antialiasing);
    const double c = kLensCentreX;
    const double top = kAxisY - kLensHalfHeight;
    const double bottom = kAxisY + kLensHalfHeight;
    QPainterPath lens;
    if (converging) {
        lens.moveTo(c, top);
        lens.quadTo(c + 26, kAxisY, c, bottom);
        lens.quadTo(c - 26, kAxisY, c, top);
    } else {
        lens.moveTo(c - 11, top);
        lens.lineTo(c + 11, top);
        lens.quadTo(c - 6, kAxisY, c + 11, bottom);
        lens.lineTo(c - 11, bottom);
        lens.quadTo(c + 6, kAxisY, c - 11, top);
    }
    lens.closeSubpath();
    p.setPen(QPen(surface(), 2));
    p.setBrush(kGlass);
    p.drawPath(lens);
    p.setRenderHint(QPainter::Antialiasing, false);
    drawAxis(p, size);
    const int f = converging ? kConvergingFocus : kDivergingFocus;
    drawMark(p, size, kLensCentreX - f, QStringLiteral("F"), letters);
    drawMark(p, size, kLensCentreX + f, QStringLiteral("F′"), letters);
    if (letters)
        drawLetter(p, kLensCentreX, QStringLiteral("O"), kLetterPixels, LetterPlace::BelowRight);
}

void OpticsPainter::drawBackground(QPainter& p, QSize size)
{
    Shapes::drawBackdrop(p, QRectF(QPointF(0, 0), size));
    p.setRenderHint(QPainter::Antialiasing);
    CalcFormPainter::drawProgressBox(p);
    const int h = Layout::kHeaderHeight;
    p.fillRect(QRectF(0, h, size.width(), 3), Palette::strip());
    p.fillRect(QRectF(0, h + 3, size.width(), 2), Palette::gold());
    const QRectF area = QRectF(Layout::kOpticsPicture).adjusted(-3, -3, 3, 3);
    Shapes::drawPanel(p, area, Qt::white, Palette::panelEdge());
    Shapes::drawPanel(p, QRectF(Layout::kOpticsAssignment).adjusted(-6, -1, 4, 0), Palette::paper(),
                      Palette::panelEdge());
}

void OpticsPainter::drawHelp(QPainter& p, QSize size, bool mirrors)
{
    Shapes::drawBackdrop(p, QRectF(QPointF(0, 0), size));
    Shapes::drawTitleBand(p, QRectF(0, 0, size.width(), 56),
                          mirrors ? QStringLiteral("Pomoc: Zobrazenie zrkadlom") : QStringLiteral("Pomoc: Zobrazenie šošovkou"));
    const QString steps[] = {
        mirrors ? QStringLiteral("Červené lúče vychádzajú z horného konca predmetu a dopadajú na zrkadlo.")
                : QStringLiteral("Červené lúče vychádzajú z horného konca predmetu a dopadajú na šošovku."),
        QStringLiteral("Nakresli lúč: chyť myšou bod, kde červený lúč končí (kurzor sa zmení na krížik), "
                       "podrž tlačidlo a ťahaj v smere, ktorým lúč pokračuje."),
        mirrors ? QStringLiteral("Lúč rovnobežný s osou sa odrazí do ohniska F (pri vypuklom zrkadle sa šíri tak, akoby vychádzal z F). "
                                 "Lúč smerujúci do stredu krivosti C sa odrazí späť po tej istej priamke. Lúč dopadajúci do "
                                 "vrcholu V sa odrazí súmerne podľa osi.")
                : QStringLiteral("Lúč rovnobežný s osou prejde spojkou do ohniska F′ (pri rozptylke sa šíri tak, akoby "
                                 "vychádzal z ohniska F). Lúč cez optický stred O nemení smer."),
        QStringLiteral("Keď nakreslíš oba lúče, zelená šípka ukáže obraz. Chybný lúč zmažeš kliknutím na jeho "
                       "začiatok. Stlač „Vyhodnoť“."),
        QStringLiteral("Bez myši: Tab vyberie začiatok lúča, šípky ho otáčajú (s klávesom Shift jemnejšie), Enter ho "
                       "nakreslí, Delete ho zmaže. F3 vyhodnotí, F9 ukáže riešenie, Enter pokračuje, Esc späť."),
    };
    qreal y = 72;
    int n = 1;
    for (const QString& step : steps) {
        Shapes::drawPanel(p, QRectF(24, y, size.width() - 48, 64), Qt::white, Palette::panelEdge());
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::white, 2));
        p.setBrush(Palette::mark());
        p.drawEllipse(QPointF(50, y + 32), 13, 13);
        p.setPen(Qt::white);
        p.setFont(Typeface::font(16, true));
        p.drawText(QRectF(37, y + 19, 26, 26), Qt::AlignCenter, QString::number(n++));
        TextFit::drawFittedText(p, QRectF(74, y + 4, size.width() - 114, 56), step, 15, false, Palette::ink(),
                                Qt::AlignLeft | Qt::AlignVCenter);
        y += 72;
    }
    HelpFooter::draw(p, QRectF(12, 436, size.width() - 24, 36));
}

} // namespace orbeta
