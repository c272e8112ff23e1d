// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frame/TaskFrame.h"

#include "frame/PopupPlacement.h"
#include "frame/ResultsLink.h"
#include "frame/SeriesProgress.h"
#include "frame/TopButtons.h"
#include "frame/VerdictSpeech.h"
#include "look/basics/Layout.h"
#include "look/basics/Palette.h"
#include "look/basics/PictureNames.h"
#include "screen/Blits.h"
#include "screen/Form.h"
#include "screen/HelpScreens.h"
#include "screen/PictureButton.h"
#include "screen/ScreenHost.h"
#include "screen/StripPlayback.h"
#include "services/Resources.h"
#include "services/Services.h"
#include "tasks/TaskTable.h"

#include <QApplication>
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

QPixmap markPicture(const Resources& resources, bool right, QSize size)
{
    const QPixmap picture = SpritePicture(resources.image(PictureNames::checkMark(right)));
    if (picture.isNull() || picture.size() == size || !size.isValid())
        return picture;
    return picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

} // namespace

TaskFrame::TaskFrame(const QString& formName, Services& services, ResultsLink& results, const QString& code,
                     const SeriesSetup& setup, QWidget* returnForm, QWidget* parent, const Design& design)
    : Form(formName, parent)
    , m_services(services)
    , m_results(results)
    , m_code(code)
    , m_setup(setup)
    , m_design(design)
    , m_returnForm(returnForm)
{
    m_setup.taskCode = m_code;
    m_services.keyboard().selectUs();
    buildFrame(design);
    // A screen reader says the title as the screen shows it, not as the log stores it.
    const TaskRow* task = TaskTable::find(m_code);
    setAccessibleName(task ? TaskTable::shownTitle(*task)
                           : m_setup.taskTitle.isEmpty() ? QStringLiteral("Úloha") : m_setup.taskTitle);
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
    BuildTopButtons(*this, PicTop, m_services.resources());
    const KeyBinding& checkKey = FrameKeys::binding(FrameKey::Check);
    const std::array<QString, 4> tips{checkKey.tip.toString(), design.newTip, QStringLiteral("Tabuľka výsledkov"),
                                      QStringLiteral("Späť")};
    // The tips name the keys in brackets; a screen reader reads the name and the key apart.
    const std::array<QString, 4> names{checkKey.name.toString(), QString(design.newTip).section(QStringLiteral(" ("), 0, 0),
                                       QStringLiteral("Tabuľka výsledkov"), QStringLiteral("Späť")};
    const std::array<QString, 4> keys{checkKey.description.toString(), FrameKeys::binding(FrameKey::New).description.toString(),
                                      QStringLiteral("Poradie žiakov."), QStringLiteral("Kláves Escape.")};
    for (int i = 0; i < 4; ++i) {
        PictureButton* button = PicTop[std::size_t(i)];
        button->setToolTip(tips[std::size_t(i)]);
        button->setAccessibleName(names[std::size_t(i)]);
        button->setAccessibleDescription(keys[std::size_t(i)]);
        connect(button, &PictureButton::mouseMoved, this, [this, i] {
            EnterHoverItem(m_services, *this, std::uint8_t(kHoverToolbar + i));
            ShowTopButtons(PicTop, i + 1);
            showPointer(PicTop[std::size_t(i)], m_services.resources().handCursor());
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

    m_right = markPicture(m_services.resources(), true, design.markSize);
    m_wrong = markPicture(m_services.resources(), false, design.markSize);
    for (int i = 0; i < design.marks; ++i) {
        auto* mark = new PictureButton(this, kHoverMark);
        mark->setFixedPictureSize(design.markSize);
        mark->setToolTip(design.markTip);
        mark->setAccessibleName(QStringLiteral("Hodnotenie"));
        mark->setDisabledLook(false);
        mark->hide();
        const int item = i + 1;
        connect(mark, &PictureButton::mouseMoved, this, [this, mark] {
            EnterHoverItem(m_services, *this, kHoverMark);
            showHoveredTopButton();
            showPointer(mark, m_evaluated && mark->isEnabled() ? m_services.resources().handCursor() : m_services.resources().arrowCursor());
        });
        connect(mark, &PictureButton::mousePressed, this,
                [this, mark, item](QPoint at) { pressMark(item, mark->mapTo(this, at)); });
        IHodnoceni.push_back(mark);
    }

    picPokracuj = new PictureButton(this, kHoverContinue);
    picPokracuj->setGeometry(design.continueButton);
    picPokracuj->setFixedPictureSize(design.continueButton.size());
    const KeyBinding& continueKey = FrameKeys::binding(FrameKey::Continue);
    picPokracuj->setToolTip(continueKey.tip.toString());
    picPokracuj->setAccessibleName(continueKey.name.toString());
    picPokracuj->setAccessibleDescription(continueKey.description.toString());
    picPokracuj->setDisabledLook(false);
    m_continueStrip = AnimationStrip(m_services.resources().picture(PictureNames::continueStrip()), Layout::kStripFrames);
    m_continueBackground = m_services.resources().picture(PictureNames::continueBackground());
    picPokracuj->setPicture(m_continueBackground);
    picPokracuj->setEnabled(false);
    connect(picPokracuj, &PictureButton::mouseMoved, this, [this] {
        EnterHoverItem(m_services, *this, kHoverContinue);
        showHoveredTopButton();
        showPointer(picPokracuj, picPokracuj->isEnabled() ? m_services.resources().handCursor() : m_services.resources().arrowCursor());
    });
    connect(picPokracuj, &PictureButton::clicked, this, &TaskFrame::continueSeries);

    m_keys = std::make_unique<FrameKeys>(
        *this, FrameKeys::Frame{
                   .inFront = [this] { return isVisible() && inFront(); },
                   .left = [this] { return m_left; },
                   .press = [this](FrameKey action) { pressKey(action); },
                   .shownHint = [this] { return m_hintShown.data(); },
                   .hideHint = [this] { hideHint(); },
                   .cancelStep = [this] { return cancelStep(); },
                   .back = [this] { back(); },
                   .heldMark =
                       [this](QObject* watched) {
                           return m_design.holdMark
                                  && std::find(IHodnoceni.begin(), IHodnoceni.end(), watched) != IHodnoceni.end();
                       },
               });
    m_focus = std::make_unique<FrameFocus>(
        *this, [this] { return focusOrder(); },
        [this] {
            std::vector<QWidget*> controls(PicTop.begin(), PicTop.end());
            controls.push_back(picPokracuj);
            controls.insert(controls.end(), IHodnoceni.begin(), IHodnoceni.end());
            return controls;
        });
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
    setCursor(m_services.resources().arrowCursor());
    ClearHoverItem(*this);
    m_series = SeriesProgress(m_setup.exampleCount);
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
                                                                         : FrameKeys::binding(FrameKey::Solution).description.toString());
        mark->setEnabled(!right || m_design.rightMarkOpens);
        mark->show();
        mark->raise();
        m_series.count(right);
    }
    picPokracuj->setAccessibleDescription(VerdictSpeech::verdict(verdicts) + QLatin1Char(' ')
                                          + FrameKeys::binding(FrameKey::Continue).description.toString());
    picPokracuj->setFocus(Qt::OtherFocusReason);
    m_focus->follow(picPokracuj);
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
    picPokracuj->setAccessibleDescription(FrameKeys::binding(FrameKey::Continue).description.toString());
    for (PictureButton* button : PicTop)
        button->setEnabled(true);
    m_toolbarLocked = false;
    m_evaluated = false;
    if (!buildExample()) {
        // No example can be made (the form has said why): the series cannot
        // go on, and asking whether to leave would only offer the judged
        // example again.
        if (ScreenHost* host = ScreenHost::of(this); host && m_returnForm)
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
    m_results.finishSeries(m_setup, m_series.result(m_setup.pupilName, m_setup.topicName, m_setup.taskTitle),
                           m_returnForm);
    leaveForm();
}

void TaskFrame::showTable()
{
    PlayClickSound(m_services);
    hideHint();
    m_results.showRanking(m_setup, this);
    if (ScreenHost* host = ScreenHost::of(this))
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
            m_focus->restore();
            return;
        }
    }
    if (ScreenHost* host = ScreenHost::of(this); host && m_returnForm)
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
    if (ScreenHost* host = ScreenHost::of(this))
        host->unloadForm(this);
    else
        deleteLater();
    m_services.keyboard().restore();
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
                                                  + FrameKeys::binding(FrameKey::Continue).description.toString());
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
    if (ScreenHost* host = ScreenHost::of(this)) {
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
    if (ScreenHost* host = ScreenHost::of(this); host && host->stage()->isAncestorOf(widget))
        host->showPointer(cursor);
}

void TaskFrame::formActivated()
{
    m_keys->screenShown();
    m_services.keyboard().selectUs();
    activated();
    showHoveredTopButton();
    m_focus->restore();
}

void TaskFrame::hideEvent(QHideEvent* event)
{
    m_focus->remember();
    Form::hideEvent(event);
}

void TaskFrame::showHoveredTopButton()
{
    int hovered = 0;
    for (int i = 0; i < 4; ++i)
        if (PicTop[std::size_t(i)]->isEnabled() && PicTop[std::size_t(i)]->underMouse())
            hovered = i + 1;
    ShowTopButtons(PicTop, hovered);
    ScreenHost* host = ScreenHost::of(this);
    if (!hovered && host && host->hoverId() >= kHoverToolbar && host->hoverId() < kHoverToolbar + 4)
        host->setHoverId(0);
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
    m_focus->step(next);
    return true;
}

void TaskFrame::focusFirst()
{
    m_focus->first();
}

QWidget* TaskFrame::framedControl() const
{
    return m_focus->framed();
}

void TaskFrame::toggleSolution()
{
    if (m_hintShown && m_hintShown->isVisible()) {
        hideHint();
        return;
    }
    // The mark the pupil stands on, pressed or reached by keys, is the one
    // whose solution is shown and said; elsewhere the first one.
    const auto shown = [this](PictureButton* mark) { return m_evaluated && mark->isEnabled() && !mark->isHidden(); };
    const auto focused = std::find(IHodnoceni.begin(), IHodnoceni.end(), focusWidget());
    if (focused != IHodnoceni.end() && shown(*focused)) {
        pressMark(int(focused - IHodnoceni.begin()) + 1, (*focused)->geometry().center());
        return;
    }
    for (int item = 1; item <= int(IHodnoceni.size()); ++item) {
        PictureButton* mark = IHodnoceni[std::size_t(item - 1)];
        if (shown(mark)) {
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
    ShowHelpPicture(m_services, ScreenHost::of(this), PictureNames::taskHelp(m_code), this);
}

void TaskFrame::backgroundMoved(QPoint position)
{
    // A move over a control that passed it on (a label) is that control's,
    // but the pointer is decided by where it is now: a jump from the title
    // straight onto such a label leaves no "?" behind.
    if (QWidget* child = childAt(position); child && child != this) {
        if (cursor().shape() == m_services.resources().helpCursor().shape())
            showPointer(this, m_services.resources().arrowCursor());
        return;
    }
    if (inTitleHelpArea(position)) {
        showPointer(this, busy() ? m_services.resources().arrowCursor() : m_services.resources().helpCursor());
        EnterHoverItem(m_services, *this, kHoverTitle);
        return;
    }
    showPointer(this, m_services.resources().arrowCursor());
    const bool highlighted = std::any_of(PicTop.begin(), PicTop.end(), [](PictureButton* b) {
        return b->look() == PictureButton::Look::Highlighted;
    });
    if (highlighted)
        ShowTopButtons(PicTop, 0);
    ClearHoverItem(*this);
}

bool TaskFrame::inFront() const
{
    const ScreenHost* host = ScreenHost::of(this);
    return host && host->currentForm() == this;
}

void TaskFrame::pressKey(FrameKey action)
{
    switch (action) {
    case FrameKey::Help:
        if (!busy()) {
            hideHint();
            PlayClickSound(m_services);
            ShowHelpPicture(m_services, ScreenHost::of(this), PictureNames::taskHelp(m_code), this);
        }
        break;
    case FrameKey::NextRow:
    case FrameKey::PreviousRow:
        stepRow(action == FrameKey::NextRow ? 1 : -1);
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
}

bool TaskFrame::eventFilter(QObject* watched, QEvent* event)
{
    // The stage is shown through the host's view, whose focus the
    // application reports: the frame follows the focus events of the controls.
    m_focus->watch(watched, event->type());
    if (m_keys->route(watched, event))
        return true;
    if (filterEvent(watched, event))
        return true;
    return Form::eventFilter(watched, event);
}

bool TaskFrame::filterEvent(QObject*, QEvent*)
{
    return false;
}

} // namespace orbeta
