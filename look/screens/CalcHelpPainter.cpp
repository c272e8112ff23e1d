// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "look/screens/CalcHelpPainter.h"

#include "look/controls/HelpFooter.h"
#include "look/basics/Palette.h"
#include "look/basics/Shapes.h"
#include "look/basics/TextFit.h"
#include "look/basics/Typeface.h"
#include "tasks/TaskTable.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <vector>

namespace orbeta {
namespace {

struct SignText {
    const char* symbol;
    const char* meaning;
    const char* unit;
};

// A drawing beside the formulas, where the signs alone do not say enough.
enum class Figure { None, Lever };

struct Page {
    const char* code;
    std::vector<const char*> steps;
    std::vector<SignText> legend;
    std::vector<const char*> formulas;
    const char* note;
    Figure figure = Figure::None;
};

constexpr const char* kPlay = "Klikni na Pokus (F2) a sleduj, čo sa deje. Tlačidlom Stop ho môžeš zastaviť.";
constexpr const char* kRead = "Odčítaj známe hodnoty z okienok a z obrázka pokusu.";
constexpr const char* kCompute = "Vypočítaj hľadanú veličinu podľa vzorca. Pomôže ti kalkulačka vľavo.";
// Two lines at most: a third would run into the next step.
constexpr const char* kType = "Výsledok napíš do okienka, desatinné číslo s čiarkou: 2,5.";
constexpr const char* kCheck = "Klikni na Vyhodnoť (F3), potom na Pokračuj (Enter). F9 ukáže riešenie, Esc späť.";
// The units as the answer boxes write them.
constexpr const char* kHeatCapacity = "kJ·kg⁻¹·°C⁻¹";

const std::vector<Page>& pages()
{
    static const std::vector<Page> all = {
        {"1a",
         {kPlay, "Odčítaj známe hodnoty: hmotnosti na váhe, objem na stupnici valca.", kCompute, kType,
          "Ak počítaš hustotu, klikni v tabuľke na riadok kvapaliny (klávesy F7, F8).", kCheck},
         {{"m₁", "hmotnosť prázdneho valca", "g"},
          {"m₂", "hmotnosť valca s kvapalinou", "g"},
          {"V", "objem kvapaliny", "ml"},
          {"ρ", "hustota kvapaliny", "g/cm³"}},
         {"ρ = m / V", "m = m₂ − m₁"},
         "m je hmotnosť kvapaliny; 1\u00a0ml\u00a0=\u00a01\u00a0cm³"},
        {"1b",
         {kPlay, "Odčítaj známe hodnoty: hmotnosť telesa a objemy na stupnici valca.", kCompute, kType,
          "Ak počítaš hustotu, klikni v tabuľke na riadok látky telesa (klávesy F7, F8).", kCheck},
         {{"m", "hmotnosť telesa", "g"},
          {"V₁", "objem kvapaliny vo valci bez telesa", "ml"},
          {"V₂", "objem kvapaliny vo valci s telesom", "ml"},
          {"ρ", "hustota látky telesa", "g/cm³"}},
         {"ρ = m / V", "V = V₂ − V₁"},
         "V je objem telesa; 1\u00a0ml\u00a0=\u00a01\u00a0cm³"},
        {"1c",
         {kPlay, kRead, kCompute, kType, kCheck},
         {{"v", "rýchlosť telesa", "m/s"},
          {"s", "dĺžka dráhy", "m"},
          {"t", "čas, za ktorý teleso prekoná dráhu", "s"}},
         {"v = s / t", "s = v · t", "t = s / v"},
         nullptr},
        {"1d",
         {"Klikni na Pokus: vozidlo ide z mesta so šípkou cez mesto E do cieľového mesta.",
          "Odčítaj známe dĺžky ciest a čas jazdy.", kCompute,
          "Výsledok napíš do prázdneho okienka, čas v hodinách a minútach.",
          "Ak počítaš rýchlosť, klikni v tabuľke na vozidlo (klávesy F7, F8).", kCheck},
         {{"v", "rýchlosť vozidla", "km/h"},
          {"s₁", "dĺžka dráhy z počiatočného mesta do mesta E", "km"},
          {"s₂", "dĺžka dráhy z mesta E do cieľového mesta", "km"},
          {"t", "čas, za ktorý vozidlo prekoná dráhu", "h, min"}},
         {"v = s / t", "s = s₁ + s₂"},
         "1\u00a0h\u00a0=\u00a060\u00a0min, napríklad 1\u00a0h\u00a030\u00a0min\u00a0=\u00a01,5\u00a0h"},
        {"2a",
         {kPlay, kRead, "Vypočítaj hľadanú veličinu podľa vzorcov. Počítaj s g = 10 N/kg.", kType, kCheck},
         {{"m", "hmotnosť závažia", "kg"}, {"S", "obsah plochy piesta", "dm²"}, {"p", "tlak v kvapaline", "kPa"}},
         {"p = F / S", "F = m · g"},
         "g\u00a0=\u00a010\u00a0N/kg; 1\u00a0dm²\u00a0=\u00a00,01\u00a0m²; 1\u00a0kPa\u00a0=\u00a01\u00a0000\u00a0Pa"},
        {"2b",
         {kPlay, kRead, kCompute, kType, kCheck},
         {{"F", "sila", "N"}, {"s", "dĺžka dráhy", "m"}, {"t", "čas", "s"}, {"W", "práca", "J"}},
         {"W = F · s", "F = W / s", "s = W / F"},
         nullptr},
        {"2c",
         {kPlay, kRead, kCompute, kType, kCheck},
         {{"W", "práca navijaka", "J"}, {"P", "výkon navijaka", "W"}, {"s", "dĺžka dráhy", "m"}, {"t", "čas", "s"}},
         {"P = W / t", "W = P · t", "t = W / P"},
         nullptr},
        {"2d",
         {kPlay, kRead, "Vypočítaj energiu a potom výkon navijaka. Počítaj s g = 10 N/kg.",
          "Oba výsledky napíš do prázdnych okienok. Desatinné číslo píš s čiarkou.", kCheck},
         {{"m", "hmotnosť telesa", "kg"},
          {"h", "výška", "m"},
          {"t", "čas", "s"},
          {"W", "mechanická energia", "J"},
          {"P", "výkon navijaka", "W"}},
         {"W = m · g · h", "P = W / t"},
         "g\u00a0=\u00a010\u00a0N/kg"},
        {"2e",
         {"Pozri sa, kde na páke visia závažia a ktorá značka je vyznačená.",
          "Vyber závažie a myšou ho potiahni na páku.",
          "Bez myši: kláves 1 až 3 vyberie závažie, šípky ho posúvajú, Enter ho zavesí, Esc vráti.",
          "Páka je v rovnováhe, keď sú momenty síl na oboch stranách rovnaké.", kCheck},
         {},
         {"M = F · a", "F₁ · a₁ = F₂ · a₂"},
         "F – tiažová sila závažia, a – jeho vzdialenosť od osi otáčania. Ak visia na jednej strane dve závažia, "
         "ich momenty sa sčítajú.",
         Figure::Lever},
        {"3a",
         {kPlay, kRead, "Mernú tepelnú kapacitu c nájdeš vo vyznačenom riadku tabuľky.", kCompute, kType, kCheck},
         {{"m", "hmotnosť telesa", "kg"},
          {"t₁", "počiatočná teplota", "°C"},
          {"t₂", "konečná teplota", "°C"},
          {"c", "merná tepelná kapacita", kHeatCapacity},
          {"Q", "teplo prijaté telesom", "kJ"}},
         {"Q = c · m · (t₂ − t₁)"},
         nullptr},
        {"3b",
         {kPlay, kRead, "Vypočítaj teplo na zohriatie ľadu, na jeho roztopenie a na zohriatie vody a sčítaj ich.",
          kType, kCheck},
         {{"m", "hmotnosť ľadu", "kg"},
          {"t₁", "počiatočná teplota ľadu", "°C"},
          {"t₂", "konečná teplota vody", "°C"},
          {"c₁, c₂", "merná tepelná kapacita ľadu, resp. vody", kHeatCapacity},
          {"l", "merné skupenské teplo topenia", "kJ·kg⁻¹"},
          {"Q", "teplo prijaté ľadom a vodou", "kJ"}},
         {"Q = Q₁ + Q₂ + Q₃", "Q₁ = c₁ · m · (0 °C − t₁)", "Q₂ = l · m,  Q₃ = c₂ · m · t₂"},
         nullptr},
        {"5a",
         {kPlay, "Odčítaj hodnoty na meracích prístrojoch.", kCompute, kType, kCheck},
         {{"U", "napätie", "V"}, {"I", "prúd", "A"}, {"R", "odpor", "Ω"}},
         {"R = U / I", "I = U / R", "U = R · I"},
         nullptr},
        {"5b",
         {kPlay, "Zisti, ako dlho spotrebič pracoval, a na štítku prečítaj jeho príkon.", kCompute, kType, kCheck},
         {{"P", "príkon", "W"}, {"t", "doba, počas ktorej spotrebič pracoval", "h, min"},
          {"E", "elektrická energia", "kWh"}},
         {"E = P · t"},
         "P dosaď v kW a t v h: 1\u00a0kW\u00a0=\u00a01\u00a0000\u00a0W, 30\u00a0min\u00a0=\u00a00,5\u00a0h"},
        {"5c",
         {kPlay, "Odčítaj hodnoty na meracích prístrojoch.", kCompute, kType, kCheck},
         {{"U", "napätie", "V"}, {"I", "prúd", "A"}, {"P", "príkon", "W"}},
         {"P = U · I", "I = P / U", "U = P / I"},
         nullptr},
        {"5d",
         {kPlay, "Odčítaj hodnoty na meracích prístrojoch.", kCompute, kType, kCheck},
         {{"I", "prúd v obvode", "A"},
          {"U₁, U₂", "napätie na prvom, resp. druhom rezistore", "V"},
          {"R₁, R₂", "odpor prvého, resp. druhého rezistora", "Ω"}},
         {"U₁ = R₁ · I", "U₂ = R₂ · I", "R = R₁ + R₂"},
         "Rezistory sú za sebou: oboma prechádza ten istý prúd I. R je celkový odpor rezistorov."},
        {"5e",
         {kPlay, "Odčítaj hodnoty na meracích prístrojoch.", "Vypočítaj hľadanú veličinu a celkový prúd.", kType,
          kCheck},
         {{"I₁, I₂", "prúd prvým, resp. druhým rezistorom", "A"},
          {"I", "celkový prúd", "A"},
          {"U", "napätie na rezistoroch", "V"},
          {"R₁, R₂", "odpor prvého, resp. druhého rezistora", "Ω"}},
         {"I₁ = U / R₁", "I₂ = U / R₂", "I = I₁ + I₂", "1/R = 1/R₁ + 1/R₂"},
         "Rezistory sú vedľa seba: na oboch je to isté napätie U. R je celkový odpor rezistorov."},
    };
    return all;
}

const Page* pageOf(const QString& code)
{
    const auto& all = pages();
    const auto it = std::find_if(all.begin(), all.end(), [&code](const Page& p) { return code == QLatin1String(p.code); });
    return it == all.end() ? nullptr : &*it;
}

// Where the parts of a page stand.
constexpr qreal kTop = 56;
constexpr qreal kBottom = 424;
constexpr qreal kStepsTop = 86;
constexpr qreal kStepTextLeft = 50;
constexpr qreal kStepTextWidth = 266;
constexpr qreal kStepGap = 10;
constexpr qreal kRightLeft = 326;
constexpr qreal kRightWidth = 302;
constexpr qreal kPanelHeading = 30;
constexpr qreal kSignRow = 32;
constexpr qreal kTallSignRow = 46;
constexpr qreal kFormulaRow = 25;
constexpr qreal kNoteHeight = 84;
constexpr int kSignPx = 13;
constexpr int kSymbolPx = 17;

// Texts of one role are drawn at one size, the largest at which all of them fit.
enum class Role { Step, Symbol, Meaning, Unit, Formula, Note };

struct TextPlace {
    Role role;
    QRectF rect;
    QRectF within; // the panel or column the text must stay inside
    QString text;
    int px;
    bool bold;
    QColor colour;
    int flags;
    bool wrap;
};

qreal stepHeight(const Page& page)
{
    return std::min<qreal>(58, (kBottom - kStepsTop) / qreal(page.steps.size()));
}

// The widest symbol or unit of the page, so that the meanings get the rest.
qreal columnWidth(const Page& page, const char* SignText::*column, int px, bool bold)
{
    const QFontMetricsF metrics(Typeface::font(px, bold));
    qreal widest = 20;
    for (const SignText& sign : page.legend)
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromUtf8(sign.*column)) + 2);
    return widest;
}

// The panel of signs: three columns, a row taller where its meaning needs a third line.
struct Legend {
    QRectF panel;
    qreal symbolWidth = 0;
    qreal unitWidth = 0;
    qreal meaningLeft = 0;
    qreal meaningWidth = 0;
    std::vector<qreal> rowTops; // one more than rows: the last is the bottom of the last row
};

Legend legendOf(const Page& page)
{
    Legend legend;
    if (page.legend.empty())
        return legend;
    legend.symbolWidth = columnWidth(page, &SignText::symbol, kSymbolPx, true);
    legend.unitWidth = columnWidth(page, &SignText::unit, kSignPx, false);
    legend.meaningLeft = kRightLeft + 12 + legend.symbolWidth + 8;
    legend.meaningWidth = kRightLeft + kRightWidth - 14 - legend.unitWidth - 10 - legend.meaningLeft;
    qreal y = kTop + kPanelHeading;
    for (const SignText& sign : page.legend) {
        legend.rowTops.push_back(y);
        const bool twoLines = TextFit::fittedSize(QString::fromUtf8(sign.meaning),
                                                  QRectF(0, 0, legend.meaningWidth, kSignRow), kSignPx, false,
                                                  Qt::AlignLeft | Qt::AlignVCenter, true) != 0;
        y += twoLines ? kSignRow : kTallSignRow;
    }
    legend.rowTops.push_back(y);
    legend.panel = QRectF(kRightLeft, kTop, kRightWidth, y + 6 - kTop);
    return legend;
}

// Below the signs down to the bottom; alone, only as tall as its texts.
QRectF formulaPanel(const Page& page)
{
    const QRectF legend = legendOf(page).panel;
    if (legend.isNull())
        return {kRightLeft, kTop, kRightWidth, kPanelHeading + kFormulaRow * qreal(page.formulas.size()) + kNoteHeight};
    return {kRightLeft, legend.bottom() + 10, kRightWidth, kBottom - legend.bottom() - 10};
}

QString titleOf(const QString& code)
{
    const TaskRow* row = TaskTable::find(code);
    return row ? TaskTable::shownTitle(*row) : QString();
}

std::vector<TextPlace> textPlaces(const Page& page)
{
    const int left = Qt::AlignLeft | Qt::AlignVCenter;
    std::vector<TextPlace> out;
    const auto add = [&out](Role role, QRectF rect, QRectF within, const char* text, int px, bool bold,
                            QColor colour, int flags, bool wrap) {
        out.push_back({role, rect, within, QString::fromUtf8(text), px, bold, colour, flags, wrap});
    };
    const qreal step = stepHeight(page);
    const QRectF steps(kStepTextLeft, kStepsTop, kStepTextWidth, kBottom - kStepsTop);
    for (std::size_t i = 0; i < page.steps.size(); ++i) {
        // A clear gap below each step, so that a long one never runs into the next.
        add(Role::Step, QRectF(kStepTextLeft, kStepsTop + step * qreal(i), kStepTextWidth, step - kStepGap), steps,
            page.steps[i], 15, false, Palette::ink(), Qt::AlignLeft | Qt::AlignTop, true);
    }
    const Legend legend = legendOf(page);
    for (std::size_t i = 0; i < page.legend.size(); ++i) {
        const SignText& sign = page.legend[i];
        const qreal y = legend.rowTops[i], h = legend.rowTops[i + 1] - y;
        add(Role::Symbol, QRectF(kRightLeft + 12, y, legend.symbolWidth, h), legend.panel, sign.symbol, kSymbolPx,
            true, Palette::strip(), left, false);
        add(Role::Meaning, QRectF(legend.meaningLeft, y, legend.meaningWidth, h), legend.panel, sign.meaning, kSignPx,
            false, Palette::ink(), left, true);
        add(Role::Unit, QRectF(legend.panel.right() - 14 - legend.unitWidth, y, legend.unitWidth, h), legend.panel,
            sign.unit, kSignPx, false, Palette::ink(), Qt::AlignRight | Qt::AlignVCenter, false);
    }
    const QRectF formulas = formulaPanel(page);
    qreal y = formulas.top() + kPanelHeading;
    for (const char* formula : page.formulas) {
        add(Role::Formula, QRectF(formulas.left() + 14, y, formulas.width() - 28, kFormulaRow), formulas, formula, 19,
            true, Palette::ink(), left, false);
        y += kFormulaRow;
    }
    if (page.note) {
        add(Role::Note, QRectF(formulas.left() + 14, y + 4, formulas.width() - 28, formulas.bottom() - y - 12),
            formulas, page.note, 14, false, Palette::ink(), Qt::AlignLeft | Qt::AlignTop, true);
    }
    return out;
}

int fittedSize(const TextPlace& t)
{
    return TextFit::fittedSize(t.text, t.rect, t.px, t.bold, t.flags, t.wrap);
}

// Two weights balanced on a lever, with their forces and arms named as in the formula.
void drawLever(QPainter& p, const QRectF& r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal pivotX = r.left() + r.width() * 0.56, beamY = r.top() + r.height() * 0.42;
    const qreal leftX = r.left() + 30, rightX = r.right() - 50;
    QPolygonF pivot({{pivotX, beamY + 3}, {pivotX - 14, beamY + 30}, {pivotX + 14, beamY + 30}});
    p.setPen(QPen(Palette::ink(), 1.5));
    p.setBrush(Palette::panelEdge());
    p.drawPolygon(pivot);
    p.fillRect(QRectF(pivotX - 30, beamY + 30, 60, 4), Palette::ink());
    p.setBrush(Palette::strip());
    p.drawRect(QRectF(r.left() + 14, beamY - 3, r.width() - 28, 6));
    // F₁ · a₁ = F₂ · a₂: the force on the shorter arm is the larger.
    const qreal leftArm = pivotX - leftX, rightArm = rightX - pivotX;
    const qreal rightForce = 30, leftForce = rightForce * rightArm / leftArm;
    const auto weight = [&](qreal x, qreal side, qreal force) {
        p.setPen(QPen(Palette::ink(), 1.5));
        p.drawLine(QPointF(x, beamY + 3), QPointF(x, beamY + 18));
        p.setBrush(Palette::mark());
        p.drawRect(QRectF(x - side / 2, beamY + 18, side, side));
        // The force points down from the weight, as long as the force is large.
        const qreal y0 = beamY + 20 + side, y1 = y0 + force;
        p.setPen(QPen(Palette::imageArrow(), 2.5));
        p.drawLine(QPointF(x, y0), QPointF(x, y1 - 6));
        p.setBrush(Palette::imageArrow());
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygonF({{x - 5, y1 - 8}, {x + 5, y1 - 8}, {x, y1}}));
    };
    weight(leftX, 18, leftForce);
    weight(rightX, 26, rightForce);
    const auto arm = [&](qreal from, qreal to) {
        const qreal y = beamY - 16;
        p.setPen(QPen(Palette::ink(), 1.2));
        p.drawLine(QPointF(from, y), QPointF(to, y));
        p.drawLine(QPointF(from, y - 5), QPointF(from, y + 5));
        p.drawLine(QPointF(to, y - 5), QPointF(to, y + 5));
    };
    arm(leftX, pivotX);
    arm(pivotX, rightX);
    p.setPen(Palette::ink());
    p.setFont(Typeface::font(15, true));
    const qreal labelY = beamY - 40;
    p.drawText(QRectF(leftX, labelY, pivotX - leftX, 20), Qt::AlignCenter, QStringLiteral("a₁"));
    p.drawText(QRectF(pivotX, labelY, rightX - pivotX, 20), Qt::AlignCenter, QStringLiteral("a₂"));
    p.setPen(Palette::imageArrow().darker(120));
    p.drawText(QRectF(leftX + 8, beamY + 30 + leftForce / 2, 40, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("F₁"));
    p.drawText(QRectF(rightX + 8, beamY + 38 + rightForce / 2, 40, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("F₂"));
    p.restore();
}

void drawPanelHeading(QPainter& p, const QRectF& panel, const QString& caption)
{
    p.setPen(Palette::strip());
    p.setFont(Typeface::font(15, true));
    p.drawText(QRectF(panel.left() + 12, panel.top() + 4, panel.width() - 24, kPanelHeading - 6),
               Qt::AlignLeft | Qt::AlignVCenter, caption);
    p.fillRect(QRectF(panel.left() + 12, panel.top() + kPanelHeading - 3, panel.width() - 26, 1.5), Palette::gold());
}

} // namespace

QStringList CalcHelpPainter::codes()
{
    QStringList out;
    for (const TaskRow& row : TaskTable::rows()) {
        if (pageOf(TaskTable::code(row)))
            out << TaskTable::code(row);
    }
    return out;
}

void CalcHelpPainter::draw(QPainter& p, QSize size, const QString& taskCode)
{
    Shapes::drawBackdrop(p, QRectF(QPointF(0, 0), size));
    Shapes::drawTitleBand(p, QRectF(0, 0, size.width(), 48), QStringLiteral("Pomoc: ") + titleOf(taskCode));
    const Page* page = pageOf(taskCode);
    if (!page)
        return;

    p.setPen(Palette::strip());
    p.setFont(Typeface::font(16, true));
    p.drawText(QRectF(16, kTop, 310, 26), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Ako postupovať"));
    const qreal step = stepHeight(*page);
    for (std::size_t i = 0; i < page->steps.size(); ++i)
        Shapes::drawNumberBadge(p, QPointF(30, kStepsTop + step * qreal(i) + 10), int(i) + 1);

    const Legend legend = legendOf(*page);
    if (!legend.panel.isNull()) {
        Shapes::drawPanel(p, legend.panel, Qt::white, Palette::panelEdge());
        drawPanelHeading(p, legend.panel, QStringLiteral("Značky"));
        p.setPen(QPen(Palette::ground(), 1));
        for (std::size_t i = 1; i < page->legend.size(); ++i) {
            const qreal y = legend.rowTops[i] - 0.5;
            p.drawLine(QPointF(legend.panel.left() + 12, y), QPointF(legend.panel.right() - 14, y));
        }
    }
    const QRectF formulas = formulaPanel(*page);
    Shapes::drawPanel(p, formulas, Palette::hintFill(), Palette::hintEdge());
    drawPanelHeading(p, formulas, page->formulas.size() > 1 ? QStringLiteral("Vzorce") : QStringLiteral("Vzorec"));

    if (page->figure == Figure::Lever) {
        const QRectF figure(kRightLeft, formulas.bottom() + 10, kRightWidth, kBottom - formulas.bottom() - 10);
        Shapes::drawPanel(p, figure, Qt::white, Palette::panelEdge());
        drawLever(p, figure.adjusted(6, 10, -6, -6));
    }

    const std::vector<TextPlace> texts = textPlaces(*page);
    for (const TextPlace& t : texts) {
        int px = t.px;
        for (const TextPlace& other : texts) {
            if (other.role == t.role)
                px = std::min(px, std::max(fittedSize(other), int(Typeface::kMinTextPx)));
        }
        TextFit::drawFittedText(p, t.rect, t.text, px, t.bold, t.colour, t.flags, t.wrap);
    }

    HelpFooter::draw(p, QRectF(12, 434, size.width() - 24, 34));
}

QStringList CalcHelpPainter::overfullTexts(const QString& taskCode)
{
    QStringList out;
    const Page* page = pageOf(taskCode);
    if (!page)
        return out;
    // The title band letters at one size.
    if (!TextFit::singleLineSize(QStringLiteral("Pomoc: ") + titleOf(taskCode), 640 - 32, 20, 20, true))
        out << titleOf(taskCode);
    for (const TextPlace& t : textPlaces(*page)) {
        if (!fittedSize(t) || !t.within.contains(t.rect))
            out << t.text;
    }
    return out;
}

QList<CalcHelpPainter::Sign> CalcHelpPainter::signs(const QString& taskCode)
{
    QList<Sign> out;
    const Page* page = pageOf(taskCode);
    if (!page)
        return out;
    for (const SignText& sign : page->legend) {
        const QStringList units = QString::fromUtf8(sign.unit).split(QStringLiteral(", "));
        for (const QString& symbol : QString::fromUtf8(sign.symbol).split(QStringLiteral(", ")))
            out.append({symbol, units});
    }
    return out;
}

} // namespace orbeta
