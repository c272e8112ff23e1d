// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/forms/HistoryForm.h"

#include "history/deck/ScreenSeries.h"
#include "history/forms/HistoryBox.h"
#include "history/forms/HistoryBoxAccessible.h"
#include "history/items/HistoryRandom.h"
#include "look/basics/Layout.h"
#include "look/basics/Palette.h"
#include "look/basics/PictureNames.h"
#include "screen/Blits.h"
#include "screen/Form.h"
#include "screen/PictureButton.h"
#include "screen/ScreenHost.h"
#include "services/Resources.h"
#include "services/Services.h"
#include "tasks/TaskTable.h"

#include <QAccessible>
#include <QKeyEvent>

#include <algorithm>

namespace orbeta {

HistoryForm::HistoryForm(const QString& formName, Services& services, ResultsLink& results, const SeriesSetup& setup,
                         HistoryDeck deck, std::optional<std::uint64_t> seed, QWidget* returnForm, QWidget* parent,
                         const QRect& continueButton)
    : TaskFrame(formName, services, results, HistoryDeck::taskCode(deck.code()), setup, returnForm, parent,
                {.newTip = QStringLiteral("Nová obrazovka (F6)"),
                 .progress = Layout::kHistoryProgress,
                 .continueButton = continueButton,
                 .marks = Layout::kPairRows,
                 .markSize = Layout::kPairMark1.size(),
                 .markTip = QStringLiteral("Klikni a uvidíš správnu odpoveď.")})
    , m_deck(std::move(deck))
    , m_seeds(seed)
{
    setFocusPolicy(Qt::StrongFocus);
    NormaliseControls(*this);
    // Before any box exists, so that a screen reader meets each box as what it shows.
    HistoryBoxAccessible::install();
}

void HistoryForm::startSeries(int boxCount, int boxPixels, const QSize& boxSize)
{
    for (int i = 0; i < boxCount; ++i) {
        auto* b = new HistoryBox(HistoryBox::Kind::Box, boxPixels, this);
        b->resize(boxSize);
        const int index = i + 1;
        connect(b, &HistoryBox::pressed, this, [this, index](QPoint at) { startDrag(index, at); });
        connect(b, &HistoryBox::moved, this, [this, index](QPoint at) { moveDrag(index, at); });
        connect(b, &HistoryBox::released, this, [this, index](QPoint at) { endDrag(index, at); });
        m_boxes.push_back(b);
    }
    m_target = new HistoryBox(HistoryBox::Kind::Target, boxPixels, this);
    m_target->hide();

    m_screens = ScreenSeries::screens(m_setup.exampleCount, HistoryDeck::fullScreen(m_deck.code()));
    m_screen = 0;
    beginSeries();
}

bool HistoryForm::buildExample()
{
    showScreen();
    return true;
}

bool HistoryForm::turnScreen()
{
    if (m_screen + 1 >= int(m_screens.size()))
        return false;
    ++m_screen;
    return true;
}

std::pair<int, int> HistoryForm::progress() const
{
    return {screenNumber(), std::max(1, screenCount())};
}

void HistoryForm::showScreen()
{
    m_screenItems = m_screens.empty() ? 0 : m_screens[std::size_t(m_screen)];
    setHalfScreen();
    HistoryRandom rnd(m_seeds.next(m_services.now().toMSecsSinceEpoch()));
    buildScreen(rnd);
    m_verdicts.clear();
    m_markFocus = 0;
    m_carried.reset();
    m_dragging = false;
    m_focus = 0;
    m_target->hide();
    for (HistoryBox* b : m_boxes)
        b->setState(HistoryPainter::BoxState::Resting);
    placeScreen();
    restBoxes();
    showFocus();
}

void HistoryForm::setHalfScreen()
{
    const bool half = m_deck.code() == HistoryCode::Pairs && m_screenItems <= PairScreen::kHalfRows;
    setPicture(m_services.resources().picture(PictureNames::historyBackground(m_code, half)));
    const QImage title = m_services.resources().image(PictureNames::taskPicture(m_code));
    BlitTransparent(persistentImage(), 0, 0, title.width(), title.height(), title, 0, 0, Palette::transparent());
    update();
}

void HistoryForm::restBoxes()
{
    for (int i = 1; i <= int(m_boxes.size()); ++i)
        box(i)->setGeometry(restingRect(i));
}

void HistoryForm::pressSlot(int) {}

void HistoryForm::focusStop(const Stop& stop, bool focused)
{
    if (!stop.slot && stop.index >= 1 && stop.index <= int(m_boxes.size()))
        box(stop.index)->setState(focused ? HistoryPainter::BoxState::Focused : HistoryPainter::BoxState::Resting);
}

void HistoryForm::showFocus()
{
    placeFocusFrame();
    speakFocus();
}

void HistoryForm::speakFocus()
{
    for (int i = 1; i <= int(m_boxes.size()); ++i) {
        HistoryBox* b = box(i);
        const QString beside = besideBox(i);
        const QString name = QStringLiteral("%1, riadok %2").arg(b->text()).arg(i)
                             + (beside.isEmpty() ? QString() : QStringLiteral(", ") + beside);
        if (b->accessibleName() != name)
            b->setAccessibleName(name);
        const QString target = besideBox(m_targetIndex);
        const QString description = m_carried == i ? QStringLiteral("Zdvihnuté. Cieľ: riadok %1").arg(m_targetIndex)
                                                         + (target.isEmpty() ? QString() : QStringLiteral(", ") + target)
                                                         + QLatin1Char('.')
                                                   : QString();
        if (b->accessibleDescription() != description)
            b->setAccessibleDescription(description);
    }
    if (focusWidget() != this)
        return;
    for (HistoryBox* b : findChildren<HistoryBox*>()) {
        const auto state = b->state();
        if (b->isVisible() && (state == HistoryPainter::BoxState::Focused || state == HistoryPainter::BoxState::Lifted)) {
            // A lift, a drop or a move of the frame says itself once.
            const QString spoken = b->accessibleName() + b->accessibleDescription();
            if (spoken != m_spoken) {
                m_spoken = spoken;
                QAccessibleEvent focus(b, QAccessible::Focus);
                QAccessible::updateAccessibility(&focus);
            }
            return;
        }
    }
    m_spoken.clear();
}

void HistoryForm::placeFocusFrame()
{
    const std::vector<Stop> all = stops();
    for (const Stop& stop : all)
        focusStop(stop, false);
    // Every box rests unless the keyboard says otherwise: a name given back
    // from its slot loses the look it was lifted with.
    for (HistoryBox* b : m_boxes)
        b->setState(evaluated() ? HistoryPainter::BoxState::Disabled : HistoryPainter::BoxState::Resting);
    // One focus, one frame: the form's frame stands only while the form holds the focus.
    const bool framed = focusWidget() == this;
    if (evaluated()) {
        // The keyboard's frame around the cross whose hint Space opens.
        const std::vector<int> crosses = wrongItems();
        if (crosses.empty() || !framed) {
            m_target->hide();
            return;
        }
        m_markFocus = std::clamp(m_markFocus, 0, int(crosses.size()) - 1);
        m_target->setGeometry(markRect(crosses[std::size_t(m_markFocus)]).adjusted(-3, -3, 3, 3));
        m_target->show();
        m_target->raise();
        return;
    }
    if (m_carried) {
        box(*m_carried)->setState(HistoryPainter::BoxState::Lifted);
        box(*m_carried)->raise();
        m_target->setGeometry(targetRect(m_targetIndex));
        m_target->show();
        m_target->raise();
        return;
    }
    m_target->hide();
    if (all.empty() || !framed)
        return;
    m_focus = std::clamp(m_focus, 0, int(all.size()) - 1);
    focusStop(all[std::size_t(m_focus)], true);
}

int HistoryForm::stopCount() const
{
    return int(evaluated() ? wrongItems().size() : stops().size());
}

std::vector<QWidget*> HistoryForm::focusOrder() const
{
    if (stopCount() == 0 && !m_carried)
        return {};
    return {const_cast<HistoryForm*>(this)};
}

std::vector<int> HistoryForm::wrongItems() const
{
    std::vector<int> items;
    for (int item = 1; item <= int(m_verdicts.size()); ++item)
        if (!m_verdicts[std::size_t(item - 1)])
            items.push_back(item);
    return items;
}

void HistoryForm::key(Key key)
{
    if (m_dragging)
        return;
    if (evaluated()) {
        const std::vector<int> crosses = wrongItems();
        if (crosses.empty())
            return;
        const int n = int(crosses.size());
        if (key == Key::Previous || key == Key::Next) {
            m_markFocus = (m_markFocus + (key == Key::Next ? 1 : -1) + n) % n;
            showFocus();
        } else if (key == Key::Pick) {
            const int item = crosses[std::size_t(std::clamp(m_markFocus, 0, n - 1))];
            pressMark(item, markRect(item).center());
        } else {
            hideHint();
        }
        return;
    }
    if (m_carried) {
        switch (key) {
        case Key::Previous:
            moveTarget(-1);
            return;
        case Key::Next:
            moveTarget(1);
            return;
        case Key::Pick: {
            // Put down exactly as a drag released over the target would be.
            const int carried = *m_carried;
            m_carried.reset();
            PlayClickSound(m_services);
            dropBox(carried, targetPoint(m_targetIndex));
            restBoxes();
            showFocus();
            return;
        }
        case Key::Cancel:
            m_carried.reset();
            restBoxes();
            showFocus();
            return;
        }
    }
    const std::vector<Stop> all = stops();
    switch (key) {
    case Key::Previous:
        moveFocus(-1);
        return;
    case Key::Next:
        moveFocus(1);
        return;
    case Key::Cancel:
        return;
    case Key::Pick:
        break;
    }
    if (all.empty())
        return;
    const Stop stop = all[std::size_t(std::clamp(m_focus, 0, int(all.size()) - 1))];
    if (stop.slot) {
        pressSlot(stop.index);
        showFocus();
        return;
    }
    PlayClickSound(m_services);
    m_carried = stop.index;
    m_targetIndex = firstTarget(stop.index);
    showFocus();
}

void HistoryForm::moveFocus(int step)
{
    const int n = int(stops().size());
    if (n == 0)
        return;
    m_focus = (m_focus + step + n) % n;
    EnterHoverItem(m_services, *this, std::uint8_t(kHoverBox + m_focus));
    showFocus();
}

void HistoryForm::moveTarget(int step)
{
    const int n = targetCount();
    if (n == 0)
        return;
    m_targetIndex = (m_targetIndex - 1 + step + n) % n + 1;
    showFocus();
}

void HistoryForm::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        key(Key::Previous);
        return;
    case Qt::Key_Down:
    case Qt::Key_Right:
        key(Key::Next);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // With a cross framed, Enter opens its hint as Space does.
        if (evaluated() && wrongItems().empty()) {
            continueSeries();
            return;
        }
        key(Key::Pick);
        return;
    case Qt::Key_Space:
        key(Key::Pick);
        return;
    default:
        Form::keyPressEvent(event);
    }
}

bool HistoryForm::focusNextPrevChild(bool next)
{
    if (!isVisible())
        return TaskFrame::focusNextPrevChild(next);
    const int n = stopCount();
    if (focusWidget() != this) {
        // From the toolbar round the frame's controls, and back onto the first or last box or cross.
        TaskFrame::focusNextPrevChild(next);
        if (focusWidget() == this) {
            framedStop() = next ? 0 : std::max(0, n - 1);
            showFocus();
        }
        return true;
    }
    // Tab past the last box or cross (Shift+Tab before the first) goes on to the toolbar.
    if (!m_carried && (n == 0 || (next ? framedStop() >= n - 1 : framedStop() <= 0))) {
        TaskFrame::focusNextPrevChild(next);
        showFocus();
        return true;
    }
    key(next ? Key::Next : Key::Previous);
    return true;
}

void HistoryForm::focusInEvent(QFocusEvent* event)
{
    TaskFrame::focusInEvent(event);
    if (!m_dragging)
        showFocus();
}

void HistoryForm::focusOutEvent(QFocusEvent* event)
{
    TaskFrame::focusOutEvent(event);
    if (!m_dragging)
        showFocus();
}

void HistoryForm::startDrag(int index, QPoint at)
{
    if (evaluated() || !box(index)->isVisible())
        return;
    PlayClickSound(m_services);
    m_carried.reset();
    m_dragging = true;
    m_grip = at - box(index)->pos();
    box(index)->setState(HistoryPainter::BoxState::Lifted);
    box(index)->raise();
}

void HistoryForm::moveDrag(int index, QPoint at)
{
    if (!evaluated())
        EnterHoverItem(m_services, *this, kHoverBox);
    showPointer(box(index), evaluated() ? m_services.resources().arrowCursor() : m_services.resources().handCursor());
    if (!m_dragging)
        return;
    // The box follows the pointer from where it was gripped, inside the area it may cover.
    HistoryBox* b = box(index);
    QPoint to = at - m_grip;
    if (const std::optional<QRect> area = dragArea())
        to = QPoint(std::clamp(to.x(), area->left(), std::max(area->left(), area->right() + 1 - b->width())),
                    std::clamp(to.y(), area->top(), std::max(area->top(), area->bottom() + 1 - b->height())));
    b->move(to);
}

void HistoryForm::endDrag(int index, QPoint at)
{
    if (!m_dragging)
        return;
    m_dragging = false;
    dropBox(index, dropPoint(index, at));
    restBoxes();
    showFocus();
}

QPoint HistoryForm::dropPoint(int, QPoint pointer) const
{
    return pointer;
}

std::vector<bool> HistoryForm::judgeExample()
{
    m_carried.reset();
    m_dragging = false;
    restBoxes();
    m_verdicts.clear();
    for (int item = 1; item <= m_screenItems; ++item)
        m_verdicts.push_back(judge(item));
    showFocus();
    // The frame moves the focus on to continue next: no frame stays on a cross.
    m_target->hide();
    return m_verdicts;
}

void HistoryForm::showSolution(int item, QPoint at)
{
    const TaskRow* row = TaskTable::find(m_code);
    HintWindow& window = hint(row ? row->hint : HintBubble::OneLine);
    window.Vloz_Text(hintText(item));
    showHint(window, hintPlace(item, at));
}

bool HistoryForm::cancelStep()
{
    if (!m_carried)
        return false;
    key(Key::Cancel);
    return true;
}

} // namespace orbeta
