#include "history/HistoryForm.h"

#include "history/HistoryBox.h"
#include "history/HistoryRandom.h"
#include "history/ScreenSeries.h"
#include "look/Layout.h"
#include "look/Palette.h"
#include "look/PictureNames.h"
#include "shell/Globals.h"
#include "shell/HelpScreens.h"
#include "shell/PictureButton.h"
#include "shell/Resources.h"
#include "shell/ResultsLink.h"
#include "shell/ScreenHost.h"
#include "shell/Services.h"
#include "shell/StripPlayback.h"
#include "tasks/TaskTable.h"

#include <QDateTime>
#include <QKeyEvent>
#include <QLabel>

#include <algorithm>

namespace orbeta {
namespace {

// Hover ids of the form's items.
constexpr std::uint8_t kHoverContinue = 8;
constexpr std::uint8_t kHoverBox = 10;
constexpr std::uint8_t kHoverMark = 20;

QPixmap markPicture(bool right, QSize size)
{
    const QPixmap picture = Resources::picture(PictureNames::checkMark(right));
    if (picture.isNull())
        return picture;
    // A sprite: its magenta ground lets the row show through.
    const QImage sprite = SpriteFromPicture(picture.toImage(), picture.rect(), Palette::transparent());
    return QPixmap::fromImage(sprite.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

} // namespace

HistoryForm::HistoryForm(const QString& formName, Services& services, ResultsLink& results, HistoryDeck deck,
                         std::optional<std::uint64_t> seed, QWidget* returnForm, QWidget* parent)
    : Form(formName, parent)
    , m_services(services)
    , m_results(results)
    , m_deck(std::move(deck))
    , m_code(HistoryDeck::taskCode(m_deck.code()))
    , m_returnForm(returnForm)
    , m_seeds(seed)
{
    SelectUsKeyboard(m_services);
    buildControls();
}

HistoryForm::~HistoryForm()
{
    // The hint window stands on the stage beside the form and goes with it.
    delete m_hint;
}

void HistoryForm::buildControls()
{
    SetUpForm(*this, ScreenHost::kDesignWidth, ScreenHost::kDesignHeight);
    setFocusPolicy(Qt::StrongFocus);

    BuildTaskToolbar(*this, m_services, PicTop,
                     {QStringLiteral("Vyhodnoť (F3)"), QStringLiteral("Nová obrazovka (F6)"),
                      QStringLiteral("Tabuľka výsledkov"), QStringLiteral("Späť")},
                     {[this] { check(); },
                      [this] {
                          PlayClickSound(m_services);
                          newScreen();
                      },
                      [this] { showTable(); }, [this] { back(); }});

    LblPriklad = new QLabel(this);
    LblPriklad->setGeometry(Layout::kHistoryProgress.adjusted(0, 20, 0, 0));
    LblPriklad->setAlignment(Qt::AlignCenter);

    const QSize markSize = Layout::kPairMark1.size();
    m_right = markPicture(true, markSize);
    m_wrong = markPicture(false, markSize);
    for (std::size_t i = 0; i < IHodnoceni.size(); ++i) {
        auto* mark = new PictureButton(this, kHoverMark);
        mark->setFixedPictureSize(markSize);
        mark->setToolTip(QStringLiteral("Klikni a uvidíš správnu odpoveď."));
        mark->hide();
        const int item = int(i) + 1;
        connect(mark, &PictureButton::mouseMoved, this, [this, mark] {
            EnterHoverItem(m_services, kHoverMark);
            mark->setCursor(mark->isEnabled() ? globals().HandCursor : globals().ArrowCursor);
        });
        connect(mark, &PictureButton::mousePressed, this,
                [this, mark, item](QPoint at) { pressMark(item, mark->mapTo(this, at)); });
        IHodnoceni[i] = mark;
    }

    picPokracuj = new PictureButton(this, kHoverContinue);
    picPokracuj->setFixedPictureSize(Layout::kPairContinue.size());
    picPokracuj->setToolTip(QStringLiteral("Pokračuj (F4)"));
    m_continueStrip = AnimationStrip(Resources::picture(PictureNames::continueStrip()), Layout::kStripFrames);
    m_continueBackground = Resources::picture(PictureNames::continueBackground());
    picPokracuj->setEnabled(false);
    connect(picPokracuj, &PictureButton::mouseMoved, this, [this] {
        EnterHoverItem(m_services, kHoverContinue);
        picPokracuj->setCursor(picPokracuj->isEnabled() ? globals().HandCursor : globals().ArrowCursor);
    });
    connect(picPokracuj, &PictureButton::clicked, this, &HistoryForm::continueSeries);

    connect(this, &Form::backgroundMousePressed, this, &HistoryForm::backgroundPressed);
    connect(this, &Form::backgroundMouseMoved, this, &HistoryForm::backgroundMoved);

    NormaliseControls(*this);
    LblPriklad->setFont([&] {
        QFont f = LblPriklad->font();
        f.setPixelSize(16);
        f.setBold(true);
        return f;
    }());
    setCursor(globals().ArrowCursor);
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

    Globals& g = globals();
    g.HoverId = 0;
    g.CorrectCount = 0;
    g.WrongCount = 0;
    g.ExamplesLeft = g.ExampleCount;
    m_screens = ScreenSeries::screens(g.ExampleCount, HistoryDeck::fullScreen(m_deck.code()));
    m_screen = 0;
    showScreen();
}

void HistoryForm::showScreen()
{
    Globals& g = globals();
    m_screenItems = m_screens.empty() ? 0 : m_screens[std::size_t(m_screen)];
    g.ScreenItems = m_screenItems;
    setHalfScreen();
    HistoryRandom rnd(m_seeds.next(QDateTime::currentMSecsSinceEpoch()));
    buildScreen(rnd);
    m_evaluated = false;
    m_markFocus = 0;
    m_carried.reset();
    m_dragging = false;
    m_focus = 0;
    m_target->hide();
    for (PictureButton* mark : IHodnoceni)
        mark->hide();
    for (HistoryBox* b : m_boxes)
        b->setState(HistoryPainter::BoxState::Resting);
    placeScreen();
    restBoxes();
    showFocus();
    LblPriklad->setText(QStringLiteral("%1 / %2").arg(screenNumber()).arg(std::max(1, screenCount())));
}

void HistoryForm::setHalfScreen()
{
    const bool half = m_deck.code() == HistoryCode::Pairs && m_screenItems <= PairScreen::kHalfRows;
    setPicture(Resources::picture(PictureNames::historyBackground(m_code, half)));
    const QImage title = Resources::image(PictureNames::taskPicture(m_code));
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
    const std::vector<Stop> all = stops();
    for (const Stop& stop : all)
        focusStop(stop, false);
    if (m_evaluated) {
        for (HistoryBox* b : m_boxes)
            b->setState(HistoryPainter::BoxState::Disabled);
        // The keyboard's frame around the cross whose hint Space opens.
        const std::vector<int> crosses = wrongItems();
        if (crosses.empty()) {
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
    if (all.empty())
        return;
    m_focus = std::clamp(m_focus, 0, int(all.size()) - 1);
    focusStop(all[std::size_t(m_focus)], true);
}

std::vector<int> HistoryForm::wrongItems() const
{
    std::vector<int> items;
    for (int item = 1; item <= m_screenItems; ++item)
        if (IHodnoceni[std::size_t(item - 1)]->isVisible() && IHodnoceni[std::size_t(item - 1)]->isEnabled())
            items.push_back(item);
    return items;
}

void HistoryForm::key(Key key)
{
    if (m_dragging)
        return;
    if (m_evaluated) {
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
            dropBox(carried, targetRect(m_targetIndex).center());
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
    EnterHoverItem(m_services, std::uint8_t(kHoverBox + m_focus));
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
        if (m_evaluated) {
            continueSeries();
            return;
        }
        key(Key::Pick);
        return;
    case Qt::Key_Space:
        key(Key::Pick);
        return;
    case Qt::Key_Escape:
        key(Key::Cancel);
        return;
    case Qt::Key_F3:
        if (PicTop[0]->isEnabled())
            check();
        return;
    case Qt::Key_F4:
        continueSeries();
        return;
    case Qt::Key_F6:
        if (PicTop[1]->isEnabled()) {
            PlayClickSound(m_services);
            newScreen();
        }
        return;
    default:
        Form::keyPressEvent(event);
    }
}

bool HistoryForm::focusNextPrevChild(bool next)
{
    key(next ? Key::Next : Key::Previous);
    return true;
}

void HistoryForm::startDrag(int index, QPoint at)
{
    if (m_evaluated || !PicTop[0]->isEnabled() || !box(index)->isVisible())
        return;
    PlayClickSound(m_services);
    m_carried.reset();
    m_dragging = true;
    globals().DrawStart = at;
    box(index)->setState(HistoryPainter::BoxState::Lifted);
    box(index)->raise();
}

void HistoryForm::moveDrag(int index, QPoint at)
{
    if (!m_evaluated)
        EnterHoverItem(m_services, kHoverBox);
    box(index)->setCursor(m_evaluated ? globals().ArrowCursor : globals().HandCursor);
    if (!m_dragging)
        return;
    HistoryBox* b = box(index);
    b->move(b->pos() + at - globals().DrawStart);
    globals().DrawStart = at;
}

void HistoryForm::endDrag(int index, QPoint at)
{
    if (!m_dragging)
        return;
    m_dragging = false;
    dropBox(index, at);
    restBoxes();
    showFocus();
}

void HistoryForm::check()
{
    if (m_evaluated)
        return;
    PlayClickSound(m_services);
    m_evaluated = true;
    m_carried.reset();
    m_dragging = false;
    for (int i = 0; i < 3; ++i)
        PicTop[std::size_t(i)]->setEnabled(false);
    restBoxes();
    Globals& g = globals();
    for (int item = 1; item <= m_screenItems; ++item) {
        const bool right = judge(item);
        PictureButton* mark = IHodnoceni[std::size_t(item - 1)];
        mark->setGeometry(markRect(item));
        mark->setPicture(right ? m_right : m_wrong);
        mark->setEnabled(!right);
        mark->show();
        mark->raise();
        if (right)
            ++g.CorrectCount;
        else
            ++g.WrongCount;
    }
    showFocus();
    picPokracuj->setEnabled(true);
    m_continueStart = m_services.tickCount();
    animate(*m_continueStart);
}

void HistoryForm::newScreen()
{
    hideHint();
    m_continueStart.reset();
    m_timer.stop();
    picPokracuj->setPicture(m_continueBackground);
    picPokracuj->setEnabled(false);
    for (PictureButton* button : PicTop)
        button->setEnabled(true);
    showScreen();
    formActivated();
}

void HistoryForm::continueSeries()
{
    if (!picPokracuj->isEnabled())
        return;
    PlayClickSound(m_services);
    hideHint();
    Globals& g = globals();
    g.ExamplesLeft = std::uint16_t(std::max(0, int(g.ExamplesLeft) - HistoryDeck::fullScreen(m_deck.code())));
    if (m_screen + 1 < int(m_screens.size())) {
        ++m_screen;
        newScreen();
        return;
    }
    g.ScreenItems = std::min(int(g.ExamplesLeft), HistoryDeck::fullScreen(m_deck.code()));
    // The series is recorded once, whatever reaches the form before it goes.
    picPokracuj->setEnabled(false);
    m_results.finishSeries(m_returnForm);
    leaveForm();
}

void HistoryForm::pressMark(int item, QPoint at)
{
    PictureButton* mark = IHodnoceni[std::size_t(item - 1)];
    if (!m_evaluated || !mark->isEnabled())
        return;
    PlayClickSound(m_services);
    if (!m_hint) {
        const TaskRow* row = TaskTable::find(m_code);
        m_hint = m_results.createHint(row ? row->hint : HintBubble::OneLine, parentWidget() ? parentWidget() : this);
    }
    m_hint->Vloz_Text(hintText(item));
    ShowPopupAt(*this, *m_hint, hintPlace(item, at));
}

void HistoryForm::hideHint()
{
    if (m_hint)
        m_hint->hide();
}

void HistoryForm::animate(std::uint32_t now)
{
    if (m_continueStart) {
        // Frames 1 to 22 of the strip; its frame 22 is the finished button.
        const StripPlayback playback(Layout::kCalcContinueFrames, Layout::kCalcContinueFrameMs, *m_continueStart);
        picPokracuj->setPicture(m_continueStrip.frame(playback.frameAt(now) + 1));
        if (playback.playedAt(now))
            m_continueStart.reset();
    }
    if (m_continueStart)
        m_timer.start(Layout::kCalcContinueFrameMs, Qt::PreciseTimer, this);
    else
        m_timer.stop();
}

void HistoryForm::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_timer.timerId())
        animate(m_services.tickCount());
    else
        Form::timerEvent(event);
}

void HistoryForm::showTable()
{
    PlayClickSound(m_services);
    m_results.showRanking(this);
    if (ScreenHost* host = ScreenHost::instance())
        host->hideForm(this);
}

void HistoryForm::back()
{
    PlayClickSound(m_services);
    if (ScreenHost* host = ScreenHost::instance(); host && m_returnForm)
        host->showForm(m_returnForm);
    leaveForm();
}

void HistoryForm::leaveForm()
{
    m_timer.stop();
    UnloadTaskForm(*this, m_services);
}

void HistoryForm::formActivated()
{
    SelectUsKeyboard(m_services);
    setFocus(Qt::OtherFocusReason);
}

void HistoryForm::backgroundPressed(QPoint position)
{
    hideHint();
    PressTaskTitle(m_services, *this, position, PicTop, PictureNames::taskHelp(m_code));
}

void HistoryForm::backgroundMoved(QPoint position)
{
    MoveOverTaskBackground(m_services, *this, position, PicTop);
}

} // namespace orbeta
