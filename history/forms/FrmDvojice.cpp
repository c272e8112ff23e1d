// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/forms/FrmDvojice.h"

#include "history/data/HistoryDeckFile.h"
#include "history/forms/HistoryBox.h"
#include "history/items/HistoryRandom.h"
#include "look/basics/Layout.h"
#include "look/basics/PictureNames.h"
#include "look/basics/Typeface.h"
#include "look/screens/HistoryPainter.h"
#include "screen/HelpScreens.h"
#include "screen/PictureButton.h"
#include "screen/ScreenHost.h"
#include "screen/Tour.h"
#include "services/Resources.h"
#include "services/Services.h"

#include <QLabel>

namespace orbeta {
namespace {

QRect rowRect(const QRect& first, int row)
{
    return first.translated(0, Layout::kPairRowStep * (row - 1));
}

} // namespace

std::unique_ptr<FrmDvojice> FrmDvojice::open(Services& services, ResultsLink& results, const SeriesSetup& setup,
                                             std::optional<std::uint64_t> seed, QWidget* returnForm, QWidget* parent)
{
    const int largest = std::min<int>(setup.exampleCount, PairScreen::kMaxRows);
    FileResult<HistoryDeck> deck = HistoryDeckFile::read(HistoryCode::Pairs, services.resources().installation().dataDir,
                                                         std::max(largest, 1));
    if (!deck) {
        services.showMessage(QStringLiteral("Chyba"), deck.error().message(), MessageIcon::Critical);
        return nullptr;
    }
    std::unique_ptr<FrmDvojice> form(new FrmDvojice(services, results, setup, deck.value(), seed, returnForm, parent));
    form->startSeries(PairScreen::kMaxRows, HistoryPainter::kPairBoxPx, Layout::kPairBox1.size());
    return form;
}

FrmDvojice::FrmDvojice(Services& services, ResultsLink& results, const SeriesSetup& setup, HistoryDeck deck,
                       std::optional<std::uint64_t> seed, QWidget* returnForm, QWidget* parent)
    : HistoryForm(QStringLiteral("frm_Dvojice"), services, results, setup, std::move(deck), seed, returnForm, parent,
                  Layout::kPairContinue)
{
    for (int row = 1; row <= PairScreen::kMaxRows; ++row) {
        auto* label = new QLabel(this);
        label->setGeometry(rowRect(Layout::kPairLeft1, row));
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setFont(Typeface::font(HistoryPainter::kPairLeftPx, true));
        LLeft[std::size_t(row - 1)] = label;
    }
}

void FrmDvojice::buildScreen(HistoryRandom& rnd)
{
    m_screen = m_deck.pairs(m_screenItems, rnd);
}

void FrmDvojice::placeScreen()
{
    for (int row = 1; row <= PairScreen::kMaxRows; ++row) {
        const bool shown = row <= m_screen.rows();
        LLeft[std::size_t(row - 1)]->setVisible(shown);
        box(row)->setVisible(shown);
    }
    showTexts();
}

void FrmDvojice::showTexts()
{
    for (int row = 1; row <= m_screen.rows(); ++row) {
        // Fitted like the boxes: a text too long for the column ends in "…".
        QLabel* label = LLeft[std::size_t(row - 1)];
        label->setText(HistoryPainter::elided(m_screen.left(row).left, label->width(), HistoryPainter::kPairLeftPx, true));
        box(row)->setText(m_screen.right(row).right);
    }
}

QRect FrmDvojice::restingRect(int box) const
{
    return rowRect(Layout::kPairBox1, box);
}

void FrmDvojice::dropBox(int box, QPoint pointer)
{
    if (const std::optional<int> row = m_screen.dropRow(pointer)) {
        m_screen.swap(box, *row);
        showTexts();
    }
}

int FrmDvojice::rowHolding(int pairNumber) const
{
    for (int row = 1; row <= m_screen.rows(); ++row)
        if (m_screen.right(row).number == pairNumber)
            return row;
    return 0;
}

bool FrmDvojice::judge(int item) const
{
    return m_screen.rowRight(item);
}

QString FrmDvojice::hintText(int item) const
{
    return m_screen.hint(item);
}

QPoint FrmDvojice::hintPlace(int item, QPoint) const
{
    // Over the row's own value, its tail on the row's mark: the rows above
    // and below stay readable.
    const QRect mark = markRect(item);
    const QSize bubble = Layout::kHintBubble[5];
    return {mark.left() - bubble.width(), mark.center().y() - bubble.height() / 2};
}

QRect FrmDvojice::markRect(int item) const
{
    return rowRect(Layout::kPairMark1, item);
}

std::vector<HistoryForm::Stop> FrmDvojice::stops() const
{
    std::vector<Stop> all;
    for (int row = 1; row <= m_screen.rows(); ++row)
        all.push_back({false, row});
    return all;
}

int FrmDvojice::targetCount() const
{
    return m_screen.rows();
}

int FrmDvojice::firstTarget(int box) const
{
    return box;
}

QRect FrmDvojice::targetRect(int target) const
{
    return rowRect(Layout::kPairBox1, target).adjusted(-3, -3, 3, 3);
}

void FrmDvojice::addTourStates(Tour& tour, Services& services, ResultsLink& results)
{
    enum class Step { Fresh, Half, Solved, Wrong, HalfScreen, Keyboard };
    struct State {
        Step step;
        const char* name;
        int count;
    };
    static const State states[] = {
        {Step::Fresh, "fresh", 25},      {Step::Half, "half-solved", 25},       {Step::Solved, "solved-right", 25},
        {Step::Wrong, "wrong-hint", 25}, {Step::HalfScreen, "half-screen", 5}, {Step::Keyboard, "keyboard", 25},
    };
    for (const State& state : states) {
        const Step step = state.step;
        const int count = state.count;
        tour.add(QStringLiteral("frm_Dvojice"), QString::fromLatin1(state.name),
                 [step, count, &services, &results](ScreenHost& host) {
                     if (QWidget* previous = host.findForm(QStringLiteral("frm_Dvojice")))
                         host.unloadForm(previous);
                     SeriesSetup setup;
                     setup.taskCode = QStringLiteral("6a");
                     setup.exampleCount = std::uint8_t(count);
                     std::unique_ptr<FrmDvojice> opened = open(services, results, setup, 12, nullptr, host.stage());
                     if (!opened)
                         return;
                     FrmDvojice* form = opened.release();
                     host.showForm(form);
                     const int rows = form->m_screen.rows();
                     // Puts the right value of `row` home by a swap, as a drop would.
                     auto solve = [form](int row) {
                         const int from = form->rowHolding(form->m_screen.left(row).number);
                         form->dropBox(from, rowRect(Layout::kPairBox1, row).center());
                     };
                     switch (step) {
                     case Step::Fresh:
                     case Step::HalfScreen:
                         return;
                     case Step::Keyboard:
                         form->key(Key::Next);
                         form->key(Key::Next);
                         form->key(Key::Pick);
                         form->key(Key::Next);
                         form->key(Key::Next);
                         return;
                     case Step::Half:
                         for (int row = 1; row <= rows / 2; ++row)
                             solve(row);
                         return;
                     case Step::Solved:
                         for (int row = 1; row <= rows; ++row)
                             solve(row);
                         break;
                     case Step::Wrong:
                         for (int row = 1; row <= rows - 4; ++row)
                             solve(row);
                         break;
                     }
                     form->check();
                     form->animate(services.tickCount() + 1000);
                     if (step == Step::Wrong)
                         form->pressMark(rows, form->markRect(rows).center());
                 });
    }
    tour.add(QStringLiteral("frm_Dvojice"), QStringLiteral("help"), [&services](ScreenHost& host) {
        if (QWidget* previous = host.findForm(QStringLiteral("frm_Dvojice")))
            host.unloadForm(previous);
        ShowHelpPicture(services, &host, PictureNames::taskHelp(QStringLiteral("6a")), nullptr);
    });
}

QString FrmDvojice::besideBox(int box) const
{
    // The left half of the pair that the box's row must match.
    if (box < 1 || box > m_screen.rows())
        return {};
    return QStringLiteral("vedľa %1").arg(leftLabel(box)->text());
}

} // namespace orbeta
