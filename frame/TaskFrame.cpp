// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frame/TaskFrame.h"

#include "frame/PopupPlacement.h"
#include "frame/ResultsLink.h"
#include "frame/SeriesProgress.h"
#include "frame/TopButtons.h"
#include "frame/VerdictSpeech.h"
#include "look/Layout.h"
#include "look/Palette.h"
#include "look/PictureNames.h"
#include "screen/Blits.h"
#include "screen/FocusFrame.h"
#include "screen/Form.h"
#include "screen/HelpScreens.h"
#include "screen/PictureButton.h"
#include "screen/ScreenHost.h"
#include "screen/StripPlayback.h"
#include "services/Globals.h"
#include "services/KeyboardSwitch.h"
#include "services/Resources.h"
#include "services/Services.h"
#include "tasks/TaskTable.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScopeGuard>

#include <algorithm>

namespace orbeta {
namespace {

// The title picture at the top left of a task form, both edges exclusive.
constexpr QRect kTitleHelpArea{6, 6, 226, 66};

bool inTitleHelpArea(QPoint p)
{
    return p.x() > kTitleHelpArea.left() && p.x() < kTitleHelpArea.left() + kTitleHelpArea.width()
           && p.y() > kTitleHelpArea.top() && p.y() < kTitleHelpArea.top() + kTitleHelpArea.height();
}

// The function keys of the frame, each described once: what it presses and,
// for a button of the frame, the button's name, tip and the text a screen
// reader adds. A key for another button of the frame goes here.
enum class FrameKey { Help, Start, Check, Continue, New, NextRow, PreviousRow, Solution };
struct KeyBinding {
    int key;
    FrameKey action;
    QStringView name;        // empty: no button, or the form's Design names it
    QStringView tip;
    QStringView description;
};
constexpr KeyBinding kFrameKeys[] = {
    {Qt::Key_F1, FrameKey::Help, {}, {}, {}},
    {Qt::Key_F2, FrameKey::Start, {}, {}, {}},
    {Qt::Key_F3, FrameKey::Check, u"Vyhodnoť", u"Vyhodnoť (F3)", u"Kláves F3."},
    {Qt::Key_F4, FrameKey::Continue, u"Pokračuj", u"Pokračuj (F4)", u"Ďalší príklad. Kláves F4."},
    {Qt::Key_F6, FrameKey::New, {}, {}, u"Kláves F6."},
    {Qt::Key_F7, FrameKey::NextRow, {}, {}, {}},
    {Qt::Key_F8, FrameKey::PreviousRow, {}, {}, {}},
    {Qt::Key_F9, FrameKey::Solution, {}, {}, u"Riešenie ukáže kláves F9."},
};

const KeyBinding& frameKey(FrameKey action)
{
    return *std::find_if(std::begin(kFrameKeys), std::end(kFrameKeys),
                         [action](const KeyBinding& b) { return b.action == action; });
}

QPixmap markPicture(bool right, QSize size)
{
    const QPixmap picture = SpritePicture(PictureNames::checkMark(right));
    if (picture.isNull() || picture.size() == size || !size.isValid())
        return picture;
    return picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

} // namespace

TaskFrame::TaskFrame(const QString& formName, Services& services, ResultsLink& results, const QString& code,
                     QWidget* returnForm, QWidget* parent, const Design& design)
    : Form(formName, parent)
    , m_services(services)
    , m_results(results)
    , m_code(code)
    , m_design(design)
    , m_returnForm(returnForm)
{
    SelectUsKeyboard(m_services);
    buildFrame(design);
    // A screen reader says the title as the screen shows it, not as the log stores it.
    const TaskRow* task = TaskTable::find(m_code);
    setAccessibleName(task ? TaskTable::shownTitle(*task)
                           : globals().TaskTitle.isEmpty() ? QStringLiteral("Úloha") : globals().TaskTitle);
}

TaskFrame::~TaskFrame()
{
    // The hint windows stand on the stage beside the form and go with it.
    for (auto& [bubble, window] : m_hints)
        delete window;
}

void TaskFrame::buildFrame(const Design& design)
{
    SetUpForm(*this, ScreenHost::kDesignWidth, ScreenHost::kDesignHeight);

    for (auto& button : PicTop)
        button = new PictureButton(this);
    PicTop[0]->move(Layout::kTopButton1.topLeft());
    BuildTopButtons(*this, PicTop);
    const KeyBinding& checkKey = frameKey(FrameKey::Check);
    const std::array<QString, 4> tips{checkKey.tip.toString(), design.newTip, QStringLiteral("Tabuľka výsledkov"),
                                      QStringLiteral("Späť")};
    // The tips name the keys in brackets; a screen reader reads the name and the key apart.
    const std::array<QString, 4> names{checkKey.name.toString(), QString(design.newTip).section(QStringLiteral(" ("), 0, 0),
                                       QStringLiteral("Tabuľka výsledkov"), QStringLiteral("Späť")};
    const std::array<QString, 4> keys{checkKey.description.toString(), frameKey(FrameKey::New).description.toString(),
                                      QStringLiteral("Poradie žiakov."), QStringLiteral("Kláves Escape.")};
    for (int i = 0; i < 4; ++i) {
        PictureButton* button = PicTop[std::size_t(i)];
        button->setToolTip(tips[std::size_t(i)]);
        button->setAccessibleName(names[std::size_t(i)]);
        button->setAccessibleDescription(keys[std::size_t(i)]);
        connect(button, &PictureButton::mouseMoved, this, [this, i] {
            EnterHoverItem(m_services, std::uint8_t(kHoverToolbar + i));
            ShowTopButtons(PicTop, i + 1);
            showPointer(PicTop[std::size_t(i)], globals().HandCursor);
        });
    }
    connect(PicTop[0], &PictureButton::clicked, this, &TaskFrame::check);
    connect(PicTop[1], &PictureButton::clicked, this, [this] {
        PlayClickSound(m_services);
        newExample();
    });
    connect(PicTop[2], &PictureButton::clicked, this, &TaskFrame::showTable);
    connect(PicTop[3], &PictureButton::clicked, this, &TaskFrame::back);

    LblPriklad = new QLabel(this);
    LblPriklad->setGeometry(design.progress.adjusted(0, 20, 0, 0));
    LblPriklad->setAlignment(Qt::AlignCenter);

    m_right = markPicture(true, design.markSize);
    m_wrong = markPicture(false, design.markSize);
    for (int i = 0; i < design.marks; ++i) {
        auto* mark = new PictureButton(this, kHoverMark);
        mark->setFixedPictureSize(design.markSize);
        mark->setToolTip(design.markTip);
        mark->setAccessibleName(QStringLiteral("Hodnotenie"));
        mark->setDisabledLook(false);
        mark->hide();
        const int item = i + 1;
        connect(mark, &PictureButton::mouseMoved, this, [this, mark] {
            EnterHoverItem(m_services, kHoverMark);
            showHoveredTopButton();
            showPointer(mark, m_evaluated && mark->isEnabled() ? globals().HandCursor : globals().ArrowCursor);
        });
        connect(mark, &PictureButton::mousePressed, this,
                [this, mark, item](QPoint at) { pressMark(item, mark->mapTo(this, at)); });
        IHodnoceni.push_back(mark);
    }

    picPokracuj = new PictureButton(this, kHoverContinue);
    picPokracuj->setGeometry(design.continueButton);
    picPokracuj->setFixedPictureSize(design.continueButton.size());
    const KeyBinding& continueKey = frameKey(FrameKey::Continue);
    picPokracuj->setToolTip(continueKey.tip.toString());
    picPokracuj->setAccessibleName(continueKey.name.toString());
    picPokracuj->setAccessibleDescription(continueKey.description.toString());
    picPokracuj->setDisabledLook(false);
    m_continueStrip = AnimationStrip(Resources::picture(PictureNames::continueStrip()), Layout::kStripFrames);
    m_continueBackground = Resources::picture(PictureNames::continueBackground());
    picPokracuj->setPicture(m_continueBackground);
    picPokracuj->setEnabled(false);
    connect(picPokracuj, &PictureButton::mouseMoved, this, [this] {
        EnterHoverItem(m_services, kHoverContinue);
        showHoveredTopButton();
        showPointer(picPokracuj, picPokracuj->isEnabled() ? globals().HandCursor : globals().ArrowCursor);
    });
    connect(picPokracuj, &PictureButton::clicked, this, &TaskFrame::continueSeries);

    m_focusFrame = new FocusFrame(this);
    connect(this, &Form::backgroundMousePressed, this, &TaskFrame::backgroundPressed);
    connect(this, &Form::backgroundMouseMoved, this, &TaskFrame::backgroundMoved);
}

bool TaskFrame::beginSeries()
{
    // One filter for the whole program, once the form's controls exist: the
    // function keys work wherever the focus is (the stage inside the screen
    // host gives a shortcut no window to match), and the events of the
    // form's controls pass through it once.
    qApp->installEventFilter(this);
    QFont font = LblPriklad->font();
    font.setPixelSize(16);
    font.setBold(true);
    LblPriklad->setFont(font);
    for (PictureButton* mark : IHodnoceni)
        mark->raise();
    setCursor(globals().ArrowCursor);
    ClearHoverItem();
    m_series = SeriesProgress(globals().ExampleCount);
    if (!buildExample())
        return false;
    updateProgress();
    return true;
}

std::pair<int, int> TaskFrame::progress() const
{
    return {m_series.exampleNumber(), m_series.exampleCount()};
}

void TaskFrame::updateProgress()
{
    const auto [number, count] = progress();
    LblPriklad->setText(QStringLiteral("%1 / %2").arg(number).arg(count));
    // A label's name hides its text from a screen reader: the name carries the count.
    LblPriklad->setAccessibleName(QStringLiteral("Príklad %1 z %2").arg(number).arg(count));
}

std::optional<std::uint32_t> TaskFrame::animatePanels(std::uint32_t)
{
    return std::nullopt;
}

void TaskFrame::animate(std::uint32_t now)
{
    std::optional<std::uint32_t> due = animatePanels(now);
    if (m_continueStart) {
        // Frames 1 to 22 of the strip; its frame 22 is the finished button.
        const StripPlayback playback(Layout::kCalcContinueFrames, Layout::kCalcContinueFrameMs, *m_continueStart);
        picPokracuj->setPicture(m_continueStrip.frame(playback.frameAt(now) + 1));
        if (playback.playedAt(now))
            m_continueStart.reset();
    }
    if (m_continueStart)
        due = std::min<std::uint32_t>(due ? *due - now : Layout::kCalcContinueFrameMs, Layout::kCalcContinueFrameMs)
              + now;
    if (!due) {
        m_timer.stop();
        return;
    }
    // Wake exactly when the next frame is due, rather than polling.
    m_timer.start(std::max(0, std::int32_t(*due - now)), Qt::PreciseTimer, this);
}

void TaskFrame::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_timer.timerId())
        animate(m_services.tickCount());
    else
        Form::timerEvent(event);
}

void TaskFrame::check()
{
    if (m_evaluated)
        return;
    PlayClickSound(m_services);
    m_evaluated = true;
    hideHint();
    // The example is judged while the focus stays put (a control locked
    // under it keeps it for the moment), then the focus moves once, to
    // continue, which says the verdict: Qt has no announcement of its own.
    picPokracuj->setEnabled(true);
    m_focusHeld = true;
    const std::vector<bool> verdicts = judgeExample();
    m_focusHeld = false;
    for (std::size_t i = 0; i < verdicts.size() && i < IHodnoceni.size(); ++i) {
        const bool right = verdicts[i];
        PictureButton* mark = IHodnoceni[i];
        mark->setGeometry(markRect(int(i) + 1));
        mark->setPicture(right ? m_right : m_wrong);
        mark->setAccessibleName(right ? QStringLiteral("Hodnotenie: správne") : QStringLiteral("Hodnotenie: nesprávne"));
        mark->setAccessibleDescription(right && !m_design.rightMarkOpens ? QString()
                                                                         : frameKey(FrameKey::Solution).description.toString());
        mark->setEnabled(!right || m_design.rightMarkOpens);
        mark->show();
        mark->raise();
        m_series.count(right);
    }
    picPokracuj->setAccessibleDescription(VerdictSpeech::verdict(verdicts) + QLatin1Char(' ')
                                          + frameKey(FrameKey::Continue).description.toString());
    picPokracuj->setFocus(Qt::OtherFocusReason);
    m_focusFrame->follow(picPokracuj);
    for (int i = 0; i < 3; ++i)
        PicTop[std::size_t(i)]->setEnabled(false);
    showHoveredTopButton();
    m_continueStart = m_services.tickCount();
    animate(*m_continueStart);
}

void TaskFrame::newExample()
{
    // Continue, locked under the focus, keeps it until the new screen's first control takes it.
    m_focusHeld = true;
    const auto release = qScopeGuard([this] { m_focusHeld = false; });
    hideHint();
    for (PictureButton* mark : IHodnoceni)
        mark->hide();
    m_continueStart.reset();
    picPokracuj->setPicture(m_continueBackground);
    picPokracuj->setEnabled(false);
    picPokracuj->setAccessibleDescription(frameKey(FrameKey::Continue).description.toString());
    for (PictureButton* button : PicTop)
        button->setEnabled(true);
    m_toolbarLocked = false;
    m_evaluated = false;
    if (!buildExample()) {
        // No example can be made (the form has said why): the series cannot
        // go on, and asking whether to leave would only offer the judged
        // example again.
        if (ScreenHost* host = ScreenHost::instance(); host && m_returnForm)
            host->showForm(m_returnForm);
        leaveForm();
        return;
    }
    updateProgress();
    showHoveredTopButton();
    focusFirst();
    formActivated();
}

void TaskFrame::lockToolbar(bool locked)
{
    m_toolbarLocked = locked;
    for (PictureButton* button : PicTop)
        button->setEnabled(!locked);
}

void TaskFrame::continueSeries()
{
    if (!picPokracuj->isEnabled() || m_left)
        return;
    PlayClickSound(m_services);
    hideHint();
    if (m_series.next(screenItems()) && turnScreen()) {
        newExample();
        return;
    }
    // The series is recorded once, whatever reaches the form before it goes;
    // the focus waits on continue for the ranking.
    m_focusHeld = true;
    const auto release = qScopeGuard([this] { m_focusHeld = false; });
    picPokracuj->setEnabled(false);
    const Globals& g = globals();
    m_results.finishSeries(m_series.result(g.PupilName, g.TopicName, g.TaskTitle), m_returnForm);
    leaveForm();
}

void TaskFrame::showTable()
{
    PlayClickSound(m_services);
    hideHint();
    m_results.showRanking(this);
    if (ScreenHost* host = ScreenHost::instance())
        host->hideForm(this);
}

void TaskFrame::back()
{
    if (m_left)
        return;
    PlayClickSound(m_services);
    // Answered examples are lost on the way back: the pupil says so first.
    if (m_series.answered() > 0) {
        // The question runs its own event loop: whatever closed the form
        // meanwhile, the answer must not reach a deleted one.
        const QPointer<TaskFrame> self(this);
        const MessageAnswer answer =
            m_services.showMessage(QStringLiteral("Späť"),
                                   QStringLiteral("Naozaj chceš odísť? Vyriešené príklady sa nezapíšu do výsledkov."),
                                   MessageIcon::Question, MessageButtons::YesNoDefaultNo);
        if (!self || m_left)
            return;
        if (answer != MessageAnswer::Yes) {
            restoreFocus();
            return;
        }
    }
    if (ScreenHost* host = ScreenHost::instance(); host && m_returnForm)
        host->showForm(m_returnForm);
    leaveForm();
}

void TaskFrame::leaveForm()
{
    if (m_left)
        return;
    m_left = true;
    m_timer.stop();
    leaving();
    if (ScreenHost* host = ScreenHost::instance())
        host->unloadForm(this);
    else
        deleteLater();
    RestoreKeyboardLayout(m_services);
}

void TaskFrame::pressMark(int item, QPoint at)
{
    if (item < 1 || item > int(IHodnoceni.size()))
        return;
    PictureButton* mark = IHodnoceni[std::size_t(item - 1)];
    if (!m_evaluated || !mark->isEnabled() || !mark->isVisible())
        return;
    PlayClickSound(m_services);
    showSolution(item, at);
    // The solution is said by the mark and, where the focus stands on
    // continue (F9 after a check), by continue: the focus stays where it is.
    if (m_hintShown && m_hintShown->isVisible()) {
        const QString said = VerdictSpeech::solution(mark->accessibleName().endsWith(QStringLiteral(": správne")),
                                                     m_hintShown->accessibleDescription());
        mark->setAccessibleDescription(said);
        if (focusWidget() == picPokracuj)
            picPokracuj->setAccessibleDescription(said + QLatin1Char(' ')
                                                  + frameKey(FrameKey::Continue).description.toString());
    }
}

HintWindow& TaskFrame::hint(HintBubble bubble)
{
    QPointer<HintWindow>& window = m_hints[bubble];
    if (!window) {
        window = m_results.createHint(bubble, parentWidget() ? parentWidget() : this);
        window->installEventFilter(this);
    }
    return *window;
}

void TaskFrame::showHint(HintWindow& window, QPoint at, std::vector<QRect> alsoClear)
{
    if (m_hintShown && m_hintShown != &window)
        m_hintShown->hide();
    // The toolbar, the continue button and every shown mark stay visible and clickable.
    std::vector<QRect> keepClear = std::move(alsoClear);
    keepClear.push_back(picPokracuj->geometry());
    for (PictureButton* button : PicTop)
        keepClear.push_back(button->geometry());
    for (PictureButton* mark : IHodnoceni)
        if (mark->isVisible())
            keepClear.push_back(mark->geometry());
    const QPoint place = PlacePopup(window.size(), at, rect(), keepClear);
    const QPoint onStage = parentWidget() ? mapTo(parentWidget(), place) : place;
    if (ScreenHost* host = ScreenHost::instance()) {
        host->showPopup(&window, onStage);
    } else {
        window.move(onStage);
        window.show();
        window.raise();
    }
    m_hintShown = &window;
}

void TaskFrame::hideHint()
{
    if (m_hintShown)
        m_hintShown->hide();
}

void TaskFrame::showPointer(QWidget* widget, const QCursor& cursor)
{
    widget->setCursor(cursor);
    // The stage is shown through the host's view, which takes a widget's
    // pointer only on the next move: it gets this one now.
    if (ScreenHost* host = ScreenHost::instance(); host && host->stage()->isAncestorOf(widget))
        host->showPointer(cursor);
}

void TaskFrame::formActivated()
{
    m_freshScreen = true;
    SelectUsKeyboard(m_services);
    activated();
    showHoveredTopButton();
    restoreFocus();
}

void TaskFrame::hideEvent(QHideEvent* event)
{
    // Before the hidden form's focus is passed on (a help picture, the ranking).
    if (usableFocus(focusWidget()))
        m_leftFocus = focusWidget();
    Form::hideEvent(event);
}

void TaskFrame::restoreFocus()
{
    // The control is given the focus again, not merely found usable: the
    // focus may be nowhere after the window that had it went.
    QWidget* control = m_leftFocus ? m_leftFocus.data() : focusWidget();
    m_leftFocus = nullptr;
    if (!usableFocus(control)) {
        focusFirst();
        return;
    }
    control->setFocus(Qt::OtherFocusReason);
    m_focusFrame->follow(control);
}

bool TaskFrame::underModalWindow()
{
    return QApplication::activeModalWidget() != nullptr;
}

void TaskFrame::showHoveredTopButton()
{
    int hovered = 0;
    for (int i = 0; i < 4; ++i)
        if (PicTop[std::size_t(i)]->isEnabled() && PicTop[std::size_t(i)]->underMouse())
            hovered = i + 1;
    ShowTopButtons(PicTop, hovered);
    ScreenHost* host = ScreenHost::instance();
    if (!hovered && host && host->hoverId() >= kHoverToolbar && host->hoverId() < kHoverToolbar + 4)
        host->setHoverId(0);
}

bool TaskFrame::usableFocus(const QWidget* widget) const
{
    return widget && (widget == this || isAncestorOf(widget)) && widget->isEnabled() && !widget->isHidden()
           && widget->focusPolicy() != Qt::NoFocus;
}

FocusRing TaskFrame::ring() const
{
    FocusRing ring;
    for (QWidget* control : focusOrder())
        if (control->focusPolicy() != Qt::NoFocus)
            ring.add(control);
    for (PictureButton* button : PicTop)
        ring.add(button);
    ring.add(picPokracuj);
    for (PictureButton* mark : IHodnoceni)
        ring.add(mark);
    return ring;
}

bool TaskFrame::focusNextPrevChild(bool next)
{
    // A control locked while the screen changes keeps the focus until it
    // moves once, where the change ends.
    if (m_focusHeld)
        return true;
    // A form being hidden passes the focus out of itself, as any widget does.
    if (!isVisible())
        return Form::focusNextPrevChild(next);
    QWidget* current = focusWidget();
    if (QWidget* to = ring().next(current, next); to && to != current) {
        to->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        m_focusFrame->follow(to);
    }
    return true;
}

void TaskFrame::focusFirst()
{
    if (QWidget* first = ring().first()) {
        first->setFocus(Qt::TabFocusReason);
        m_focusFrame->follow(first);
    }
}

QWidget* TaskFrame::framedControl() const
{
    return m_focusFrame->followed();
}

void TaskFrame::toggleSolution()
{
    if (m_hintShown && m_hintShown->isVisible()) {
        hideHint();
        return;
    }
    for (int item = 1; item <= int(IHodnoceni.size()); ++item) {
        PictureButton* mark = IHodnoceni[std::size_t(item - 1)];
        if (m_evaluated && mark->isEnabled() && !mark->isHidden()) {
            pressMark(item, mark->geometry().center());
            return;
        }
    }
}

void TaskFrame::backgroundPressed(QPoint position)
{
    hideHint();
    if (!inTitleHelpArea(position) || busy())
        return;
    PlayClickSound(m_services);
    ShowHelpPicture(m_services, PictureNames::taskHelp(m_code), this);
}

void TaskFrame::backgroundMoved(QPoint position)
{
    // A move over a control that passed it on (a label) is that control's,
    // but the pointer is decided by where it is now: a jump from the title
    // straight onto such a label leaves no "?" behind.
    if (QWidget* child = childAt(position); child && child != this) {
        if (cursor().shape() == globals().HelpCursor.shape())
            showPointer(this, globals().ArrowCursor);
        return;
    }
    if (inTitleHelpArea(position)) {
        showPointer(this, busy() ? globals().ArrowCursor : globals().HelpCursor);
        EnterHoverItem(m_services, kHoverTitle);
        return;
    }
    showPointer(this, globals().ArrowCursor);
    const bool highlighted = std::any_of(PicTop.begin(), PicTop.end(), [](PictureButton* b) {
        return b->look() == PictureButton::Look::Highlighted;
    });
    if (highlighted)
        ShowTopButtons(PicTop, 0);
    ClearHoverItem();
}

bool TaskFrame::inFront() const
{
    const ScreenHost* host = ScreenHost::instance();
    return host && host->currentForm() == this;
}

bool TaskFrame::functionKey(int key)
{
    if (!isVisible() || !inFront() || m_left)
        return false;
    const auto binding = std::find_if(std::begin(kFrameKeys), std::end(kFrameKeys),
                                      [key](const KeyBinding& b) { return b.key == key; });
    if (binding == std::end(kFrameKeys))
        return false;
    switch (binding->action) {
    case FrameKey::Help:
        if (!busy()) {
            hideHint();
            PlayClickSound(m_services);
            ShowHelpPicture(m_services, PictureNames::taskHelp(m_code), this);
        }
        break;
    case FrameKey::NextRow:
    case FrameKey::PreviousRow:
        stepRow(binding->action == FrameKey::NextRow ? 1 : -1);
        break;
    case FrameKey::Solution:
        toggleSolution();
        break;
    case FrameKey::Start:
        startKey();
        break;
    case FrameKey::Check:
        if (PicTop[0]->isEnabled())
            check();
        break;
    case FrameKey::Continue:
        continueSeries();
        break;
    case FrameKey::New:
        if (PicTop[1]->isEnabled()) {
            PlayClickSound(m_services);
            newExample();
        }
        break;
    }
    return true;
}

bool TaskFrame::ownWidget(QObject* object) const
{
    auto* widget = qobject_cast<QWidget*>(object);
    return widget && (widget == this || isAncestorOf(widget));
}

bool TaskFrame::eventFilter(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    // Under a message box or the print dialog the keys are that window's:
    // none acts on the form beneath.
    if (type == QEvent::KeyPress && !underModalWindow()) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat() && key->modifiers() == Qt::NoModifier && functionKey(key->key()))
            return true;
        // Escape goes one step back: the hint shut, the form's half-done
        // step undone, else the way back (which asks when answers would be lost).
        if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier && isVisible()
            && inFront()) {
            if (m_hintShown && m_hintShown->isVisible()) {
                hideHint();
                return true;
            }
            if (ownWidget(watched)) {
                if (!key->isAutoRepeat() && !cancelStep())
                    back();
                return true;
            }
        }
    }
    // The stage is shown through the host's view, whose focus the
    // application reports: the frame follows the focus events of the controls.
    if (type == QEvent::FocusIn && ownWidget(watched))
        m_focusFrame->follow(static_cast<QWidget*>(watched));
    else if (type == QEvent::FocusOut && watched == m_focusFrame->followed())
        m_focusFrame->follow(nullptr);
    if (watched == m_hintShown && type == QEvent::MouseButtonPress) {
        hideHint();
        return true;
    }
    if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) && ownWidget(watched)) {
        // The second click of a double click on the screen before this one
        // (its back button stands where this form's does) is not the pupil's
        // click on this form.
        if (type == QEvent::MouseButtonDblClick && m_freshScreen)
            return true;
        m_freshScreen = false;
    }
    if (m_design.holdMark && type == QEvent::MouseButtonRelease
        && std::find(IHodnoceni.begin(), IHodnoceni.end(), watched) != IHodnoceni.end())
        hideHint();
    if (filterEvent(watched, event))
        return true;
    return Form::eventFilter(watched, event);
}

bool TaskFrame::filterEvent(QObject*, QEvent*)
{
    return false;
}

} // namespace orbeta
