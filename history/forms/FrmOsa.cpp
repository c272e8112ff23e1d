// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/forms/FrmOsa.h"

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

QRect eventStep(const QRect& first, int position)
{
    return first.translated(Layout::kEventBoxStepX * (position - 1), Layout::kEventBoxStepY * (position - 1));
}

// The strip under year p, from the year down to the bottom of the form; the
// strips of neighbouring years meet halfway between their ticks.
QRect eventColumn(int position)
{
    const int tick = Layout::kEventBox1.left() + Layout::kEventTickOffset + Layout::kEventBoxStepX * (position - 1);
    const int top = Layout::kEventYear1.top();
    return QRect(tick - Layout::kEventBoxStepX / 2, top, Layout::kEventBoxStepX, ScreenHost::kDesignHeight - top);
}

} // namespace

std::unique_ptr<FrmOsa> FrmOsa::open(Services& services, ResultsLink& results, const SeriesSetup& setup,
                                     HistoryCode code, std::optional<std::uint64_t> seed, QWidget* returnForm,
                                     QWidget* parent)
{
    FileResult<HistoryDeck> deck =
        HistoryDeckFile::read(code, services.resources().installation().dataDir, TimelineScreen::kPositions);
    if (!deck) {
        services.showMessage(QStringLiteral("Chyba"), deck.error().message(), MessageIcon::Critical);
        return nullptr;
    }
    std::unique_ptr<FrmOsa> form(new FrmOsa(services, results, setup, deck.value(), seed, returnForm, parent));
    form->startSeries(TimelineScreen::kPositions, HistoryPainter::kTimelineBoxPx,
                      form->persons() ? Layout::kPersonBox1.size() : Layout::kEventBox1.size());
    return form;
}

FrmOsa::FrmOsa(Services& services, ResultsLink& results, const SeriesSetup& setup, HistoryDeck deck,
               std::optional<std::uint64_t> seed, QWidget* returnForm, QWidget* parent)
    : HistoryForm(QStringLiteral("frm_Osa"), services, results, setup, std::move(deck), seed, returnForm, parent,
                  Layout::kTimelineContinue)
{
    for (int p = 1; p <= TimelineScreen::kPositions; ++p) {
        auto* label = new QLabel(this);
        label->setAlignment(Qt::AlignCenter);
        label->setFont(Typeface::font(HistoryPainter::kTopPx, true));
        if (persons()) {
            const QRect slotPlace = slotRect(p);
            label->setGeometry(slotPlace.left(), Layout::kPersonSpanTop, slotPlace.width(), Layout::kPersonSpanHeight);
            auto* slotBox = new HistoryBox(HistoryBox::Kind::Slot, HistoryPainter::kSlotPx, this);
            slotBox->setGeometry(slotPlace);
            connect(slotBox, &HistoryBox::pressed, this, [this, p] {
                if (evaluated())
                    return;
                pressSlot(p);
                showFocus();
            });
            LTop[std::size_t(p - 1)] = slotBox;
        } else {
            label->setGeometry(Layout::kEventYear1.translated(Layout::kEventBoxStepX * (p - 1), 0));
        }
        LblRok[std::size_t(p - 1)] = label;
    }
}

QRect FrmOsa::slotRect(int position) const
{
    return Layout::kPersonSlot1.translated(Layout::kPersonStep * (position - 1), 0);
}

void FrmOsa::buildScreen(HistoryRandom& rnd)
{
    m_screen = m_deck.timeline(m_screenItems, rnd);
}

void FrmOsa::placeScreen()
{
    showTexts();
}

void FrmOsa::showTexts()
{
    for (int p = 1; p <= TimelineScreen::kPositions; ++p) {
        const bool shown = p <= m_screen.positions();
        LblRok[std::size_t(p - 1)]->setText(shown ? m_screen.topText(p) : QString());
        if (HistoryBox* slotBox = LTop[std::size_t(p - 1)]) {
            const std::optional<int> held = shown ? m_screen.slotBox(p) : std::nullopt;
            slotBox->setText(held ? m_screen.boxText(*held) : QString());
            slotBox->setAccessibleName(held ? QStringLiteral("%1, pod rokom %2").arg(slotBox->text(), m_screen.topText(p))
                                            : QStringLiteral("Voľné miesto pod rokom %1").arg(m_screen.topText(p)));
            slotBox->setVisible(shown);
        }
        box(p)->setText(shown ? m_screen.boxText(p) : QString());
        box(p)->setVisible(shown && !m_screen.boxPlaced(p));
    }
}

QRect FrmOsa::restingRect(int box) const
{
    if (persons())
        return Layout::kPersonBox1.translated(0, Layout::kPersonBoxStep * (box - 1));
    return eventStep(Layout::kEventBox1, box);
}

QPoint FrmOsa::eventMarker(const QRect& box)
{
    return {box.left() + Layout::kEventTickOffset, box.center().y()};
}

QPoint FrmOsa::dropPoint(int box, QPoint pointer) const
{
    // An event hangs where its box visibly stands, wherever it was gripped.
    if (persons())
        return pointer;
    return eventMarker(this->box(box)->geometry());
}

QPoint FrmOsa::targetPoint(int target) const
{
    if (persons())
        return HistoryForm::targetPoint(target);
    return eventMarker(restingRect(target));
}

std::optional<QRect> FrmOsa::dragArea() const
{
    // A dragged event stays below the axis: the years it is hung under stay in sight.
    if (persons())
        return std::nullopt;
    return rect().adjusted(0, Layout::kEventAxisY + 8, 0, 0);
}

void FrmOsa::dropBox(int box, QPoint point)
{
    std::vector<QRect> places;
    std::vector<QRect> columns;
    for (int p = 1; p <= m_screen.positions(); ++p) {
        places.push_back(persons() ? slotRect(p) : restingRect(p));
        columns.push_back(eventColumn(p));
    }
    if (persons()) {
        for (int p = 1; p <= m_screen.positions(); ++p)
            if (places[std::size_t(p - 1)].contains(point))
                m_screen.drop(box, p);
    } else if (const std::optional<int> target = m_screen.eventTarget(box, point, places, columns)) {
        m_screen.swap(box, *target);
    }
    showTexts();
}

void FrmOsa::pressSlot(int slot)
{
    if (!persons() || !m_screen.slotBox(slot))
        return;
    PlayClickSound(m_services);
    m_screen.takeBack(slot);
    showTexts();
}

int FrmOsa::boxFor(int position) const
{
    for (int b = 1; b <= m_screen.positions(); ++b)
        if (m_screen.boxText(b) == m_screen.hint(position))
            return b;
    return 0;
}

bool FrmOsa::judge(int item) const
{
    return m_screen.positionRight(item);
}

QString FrmOsa::hintText(int item) const
{
    return m_screen.hint(item);
}

QPoint FrmOsa::hintPlace(int item, QPoint pointer) const
{
    if (!persons()) {
        // Over the position's own box, its tail on the box's mark: the boxes
        // above and below stay readable.
        const QRect mark = markRect(item);
        const QSize bubble = Layout::kHintBubble[3];
        return {mark.left() - bubble.width(), mark.center().y() - bubble.height() / 2};
    }
    if (item == 1)
        return {0, pointer.y() - 12};
    return pointer - QPoint(215, 12);
}

QRect FrmOsa::markRect(int item) const
{
    if (persons())
        return Layout::kPersonMark1.translated(Layout::kPersonStep * (item - 1), 0);
    return eventStep(Layout::kEventMark1, item);
}

std::vector<HistoryForm::Stop> FrmOsa::stops() const
{
    std::vector<Stop> all;
    for (int b = 1; b <= m_screen.positions(); ++b)
        if (!m_screen.boxPlaced(b))
            all.push_back({false, b});
    if (persons())
        for (int p = 1; p <= m_screen.positions(); ++p)
            if (m_screen.slotBox(p))
                all.push_back({true, p});
    return all;
}

int FrmOsa::targetCount() const
{
    return m_screen.positions();
}

int FrmOsa::firstTarget(int box) const
{
    if (!persons())
        return box;
    for (int p = 1; p <= m_screen.positions(); ++p)
        if (!m_screen.slotBox(p))
            return p;
    return 1;
}

QRect FrmOsa::targetRect(int target) const
{
    return (persons() ? slotRect(target) : restingRect(target)).adjusted(-3, -3, 3, 3);
}

void FrmOsa::focusStop(const Stop& stop, bool focused)
{
    if (stop.slot) {
        LTop[std::size_t(stop.index - 1)]->setState(focused ? HistoryPainter::BoxState::Focused
                                                            : HistoryPainter::BoxState::Resting);
        return;
    }
    HistoryForm::focusStop(stop, focused);
}

void FrmOsa::addTourStates(Tour& tour, Services& services, ResultsLink& results)
{
    enum class Step { Fresh, Half, Solved, Wrong, Keyboard, Living };
    struct State {
        Step step;
        const char* name;
    };
    static const State states[] = {
        {Step::Fresh, "fresh"},           {Step::Half, "half-solved"}, {Step::Solved, "solved-right"},
        {Step::Wrong, "wrong-hint"},      {Step::Keyboard, "keyboard"}, {Step::Living, "living-person"},
    };
    for (HistoryCode code : {HistoryCode::Persons, HistoryCode::Events}) {
        const QString taskCode = HistoryDeck::taskCode(code);
        for (const State& state : states) {
            const Step step = state.step;
            if (step == Step::Living && code != HistoryCode::Persons)
                continue;
            tour.add(QStringLiteral("frm_Osa"), taskCode + QLatin1Char('-') + QString::fromLatin1(state.name),
                     [step, code, taskCode, &services, &results](ScreenHost& host) {
                         if (QWidget* previous = host.findForm(QStringLiteral("frm_Osa")))
                             host.unloadForm(previous);
                         SeriesSetup setup;
                         setup.taskCode = taskCode;
                         setup.exampleCount = 25;
                         std::unique_ptr<FrmOsa> opened;
                         for (std::uint64_t seed = 1; seed < 400; ++seed) {
                             opened = open(services, results, setup, code, seed, nullptr, host.stage());
                             if (!opened || step != Step::Living)
                                 break;
                             bool living = false;
                             for (int p = 1; p <= opened->m_screen.positions(); ++p)
                                 living = living || opened->m_screen.topText(p).endsWith(QStringLiteral("súč."));
                             if (living)
                                 break;
                         }
                         if (!opened)
                             return;
                         FrmOsa* form = opened.release();
                         host.showForm(form);
                         const int n = form->m_screen.positions();
                         auto solve = [form](int p) {
                             if (const int b = form->boxFor(p))
                                 form->dropBox(b, form->positionPoint(p));
                         };
                         switch (step) {
                         case Step::Fresh:
                             return;
                         case Step::Keyboard:
                             form->key(Key::Next);
                             form->key(Key::Pick);
                             form->key(Key::Next);
                             return;
                         case Step::Half:
                         case Step::Living:
                             for (int p = 1; p <= n / 2; ++p)
                                 solve(p);
                             return;
                         case Step::Solved:
                             for (int p = 1; p <= n; ++p)
                                 solve(p);
                             break;
                         case Step::Wrong:
                             solve(1);
                             solve(2);
                             break;
                         }
                         form->check();
                         form->animate(services.tickCount() + 1000);
                         if (step == Step::Wrong)
                             form->pressMark(n, form->markRect(n).center());
                     });
        }
        tour.add(QStringLiteral("frm_Osa"), taskCode + QStringLiteral("-help"), [taskCode, &services](ScreenHost& host) {
            if (QWidget* previous = host.findForm(QStringLiteral("frm_Osa")))
                host.unloadForm(previous);
            ShowHelpPicture(services, &host, PictureNames::taskHelp(taskCode), nullptr);
        });
    }
}

QString FrmOsa::besideBox(int box) const
{
    // A discovery's box stands under the year of its position; a person's name waits beside nothing.
    if (persons() || box < 1 || box > m_screen.positions())
        return {};
    return QStringLiteral("rok %1").arg(m_screen.topText(box));
}

} // namespace orbeta
