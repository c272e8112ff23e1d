// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "menu/FrmSetup.h"

#include "look/controls/FocusPainter.h"
#include "look/basics/Layout.h"
#include "look/basics/Palette.h"
#include "look/screens/SetupPainter.h"
#include "menu/FrmSelect.h"
#include "menu/NameField.h"
#include "menu/TaskForms.h"
#include "menu/WorksheetPrintSetup.h"
#include "screen/Blits.h"
#include "screen/Form.h"
#include "screen/HelpScreens.h"
#include "screen/PictureButton.h"
#include "screen/ScreenHost.h"
#include "screen/StripPlayback.h"
#include "screen/Tour.h"
#include "services/Resources.h"
#include "services/Services.h"
#include "tasks/TaskTable.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QStandardPaths>
#include <QTimerEvent>

namespace orbeta {
namespace {

SeriesSetup taskSetup(const QString& taskCode)
{
    if (const TaskRow* task = TaskTable::find(taskCode))
        return SeriesSetup::forTask(*task);
    SeriesSetup setup;
    setup.taskCode = taskCode;
    return setup;
}

constexpr std::uint32_t kFrameMilliseconds = 15;
// The pause between choosing a count and the buttons appearing.
constexpr std::uint32_t kUpdateDelayMilliseconds = 100;
constexpr int kTimerMilliseconds = 15;

// Whether the tick `t` has come at `now`, across the counter's wrap.
bool reached(std::uint32_t now, std::uint32_t t)
{
    return std::int32_t(now - t) >= 0;
}

} // namespace

FrmSetup::FrmSetup(Services& services, const TaskForms& taskForms, FrmSelect& menu, const QString& taskCode,
                   QWidget* parent)
    : Form(QStringLiteral("frm_Setup"), parent)
    , m_services(services)
    , m_taskForms(taskForms)
    , m_menu(menu)
    , m_task(taskSetup(taskCode))
    , m_layout(SetupLayout::forTask(taskCode))
    , m_state(m_layout)
{
    const bool history = m_layout.group() == TopicGroup::History;

    for (int i = 1; i <= SetupLayout::kCountButtons; ++i) {
        auto* button = new PictureButton(this, std::uint8_t(i));
        button->move(Layout::kCountButton1.topLeft() + QPoint(Layout::kCountStep * (i - 1), 0));
        connect(button, &PictureButton::mouseMoved, this, [this, i] { hoverCount(i); });
        connect(button, &PictureButton::mousePressed, this, [this, i] { chooseCount(i); });
        button->setAccessibleRole(QAccessible::RadioButton);
        const int count = m_layout.countOf(i);
        button->setAccessibleName(QStringLiteral("%1 %2").arg(count).arg(
            count < 5 ? QStringLiteral("príklady") : QStringLiteral("príkladov")));
        button->setAccessibleDescription(QStringLiteral("Počet príkladov. Šípky vyberú iný počet."));
        button->installEventFilter(this);
        ICislo[static_cast<std::size_t>(i - 1)] = button;
    }

    TMeno = new QLineEdit(this);
    QRect field = history ? Layout::kNameField6 : Layout::kNameField15;
    field.moveLeft(m_layout.nameFieldLeft());
    TMeno->setGeometry(field);
    TMeno->setMaxLength(NameField::kMaxLength);
    TMeno->setFrame(false);
    TMeno->setMouseTracking(true);
    TMeno->installEventFilter(this);
    connect(TMeno, &QLineEdit::textChanged, this, &FrmSetup::nameChanged);
    TMeno->setAccessibleName(QStringLiteral("Meno"));
    TMeno->setAccessibleDescription(QStringLiteral("Napíš svoje meno. Tab prejde na počet príkladov."));

    picPokracuj = new PictureButton(this, std::uint8_t(SetupItem::Continue));
    picPokracuj->setGeometry(Layout::kContinueButton);
    picPokracuj->setFixedPictureSize(Layout::kContinueButton.size());
    connect(picPokracuj, &PictureButton::mouseMoved, this,
            [this] { EnterHoverItem(m_services, *this, std::uint8_t(SetupItem::Continue)); });
    connect(picPokracuj, &PictureButton::clicked, this, &FrmSetup::startSeries);
    picPokracuj->setAccessibleName(QStringLiteral("Pokračuj"));
    picPokracuj->setAccessibleDescription(QStringLiteral("Začne sériu príkladov. Aj kláves Enter."));

    picTiskni = new PictureButton(this, std::uint8_t(SetupItem::Print));
    picTiskni->setGeometry(Layout::kPrintButton);
    picTiskni->setFixedPictureSize(Layout::kPrintButton.size());
    connect(picTiskni, &PictureButton::mouseMoved, this,
            [this] { EnterHoverItem(m_services, *this, std::uint8_t(SetupItem::Print)); });
    connect(picTiskni, &PictureButton::clicked, this, &FrmSetup::printWorksheet);
    picTiskni->setAccessibleName(QStringLiteral("Tlač"));
    picTiskni->setAccessibleDescription(QStringLiteral("Vytlačí pracovný list s novými príkladmi."));

    picKonec = new PictureButton(this, std::uint8_t(SetupItem::Back));
    picKonec->move(Layout::kSetupBack.topLeft());
    connect(picKonec, &PictureButton::mouseMoved, this, &FrmSetup::hoverBack);
    connect(picKonec, &PictureButton::mousePressed, this, &FrmSetup::backToMenu);
    picKonec->setAccessibleName(QStringLiteral("Späť"));
    picKonec->setAccessibleDescription(QStringLiteral("Späť do ponuky. Aj kláves Escape."));

    // The help button is drawn on the background; this is its sensitive area.
    IHelp = new PictureButton(this, std::uint8_t(SetupItem::Help));
    IHelp->setGeometry(Layout::kSetupHelp);
    IHelp->setFixedPictureSize(Layout::kSetupHelp.size());
    connect(IHelp, &PictureButton::mouseMoved, this,
            [this] { EnterHoverItem(m_services, *this, std::uint8_t(SetupItem::Help)); });
    connect(IHelp, &PictureButton::clicked, this, &FrmSetup::showHelp);
    IHelp->setAccessibleName(QStringLiteral("Pomoc"));
    IHelp->setAccessibleDescription(QStringLiteral("Ako začať. Aj kláves F1."));

    m_ring.add(TMeno);
    m_ring.addGroup(QList<QWidget*>(ICislo.begin(), ICislo.end()));
    m_ring.add(picPokracuj);
    m_ring.add(picTiskni);
    m_ring.add(IHelp);
    m_ring.add(picKonec);
    setAccessibleName(QStringLiteral("Príprava série príkladov"));
    const TaskRow* task = TaskTable::find(taskCode);
    setAccessibleDescription(QStringLiteral("Úloha: ") + (task ? TaskTable::shownTitle(*task) : m_task.taskTitle));

    connect(this, &Form::backgroundMouseMoved, this, &FrmSetup::backgroundMoved);

    // Load.
    NormaliseControls(*this);
    SetUpForm(*this, ScreenHost::kDesignWidth, ScreenHost::kDesignHeight);
    setCursor(m_services.resources().arrowCursor());
    setPicture(m_services.resources().picture(m_layout.background()));
    // The ray constructions ask for no numbers: their tip says how to draw a ray.
    if (const TaskRow* row = TaskTable::find(taskCode); row && row->form == TaskFormKind::Zobr) {
        QPainter painter(&persistentImage());
        SetupPainter::drawRayTip(painter);
    }

    m_continueBackground = m_services.resources().picture(SetupLayout::continueBackground());
    m_printBackground = m_services.resources().picture(SetupLayout::printBackground());
    // The menu holds the two strips for the whole run.
    m_continueStrip = menu.animationStrip(1);
    m_printStrip = menu.animationStrip(2);
    picPokracuj->setPicture(m_continueBackground);
    picPokracuj->hide();
    picTiskni->setPicture(m_printBackground);
    picTiskni->hide();

    picKonec->setPictures(m_services.resources().picture(SetupLayout::backPicture(false)),
                          m_services.resources().picture(SetupLayout::backPicture(true)));
    for (int i = 1; i <= SetupLayout::kCountButtons; ++i) {
        const QPixmap chosen = m_services.resources().picture(m_layout.countPicture(i, true));
        countButton(i)->setPictures(m_services.resources().picture(m_layout.countPicture(i, false)), chosen, chosen);
        countButton(i)->showNormal();
    }

    const QImage topic = m_services.resources().image(m_layout.topicPicture());
    const QPoint at = SetupLayout::topicPicturePosition();
    BlitTransparent(persistentImage(), at.x(), at.y(), topic.width(), topic.height(), topic, 0, 0,
                    Palette::transparent());

    ClearHoverItem(*this);
}

SeriesSetup FrmSetup::setup() const
{
    SeriesSetup setup = m_task;
    setup.pupilName = TMeno->text();
    setup.exampleCount = m_state.exampleCount();
    return setup;
}

FrmSetup* FrmSetup::open(Services& services, const TaskForms& taskForms, FrmSelect& menu, const QString& taskCode)
{
    ScreenHost* host = ScreenHost::of(&menu);
    auto* setup = new FrmSetup(services, taskForms, menu, taskCode, host ? host->stage() : nullptr);
    if (host) {
        host->showForm(setup);
        host->hideForm(&menu);
    }
    return setup;
}

void FrmSetup::formActivated()
{
    const QPixmap heading = m_services.resources().picture(m_layout.headingPicture());
    const QPoint at = m_layout.headingPosition();
    BlitPersistent(*this, at.x(), at.y(), heading.width(), heading.height(), heading);
    // Back from the help picture, the focus returns to where the help was asked for ("Pomoc").
    QWidget* back = m_beforeHelp && m_beforeHelp->isEnabled() && !m_beforeHelp->isHidden() ? m_beforeHelp.data() : TMeno;
    m_beforeHelp = nullptr;
    back->setFocus(Qt::OtherFocusReason);
}

bool FrmSetup::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == TMeno) {
        if (event->type() == QEvent::MouseButtonPress)
            PlayClickSound(m_services);
        else if (event->type() == QEvent::MouseMove)
            EnterHoverItem(m_services, *this, std::uint8_t(SetupItem::Name));
        else if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
            update(); // the focus frame around the field
    }
    // The name field and the counts would take Enter, Tab and the arrows for themselves.
    if (event->type() == QEvent::KeyPress && (watched == TMeno || countOf(watched) != 0)
        && handleKey(*static_cast<QKeyEvent*>(event)))
        return true;
    return Form::eventFilter(watched, event);
}

int FrmSetup::countOf(const QObject* control) const
{
    for (int i = 1; i <= SetupLayout::kCountButtons; ++i)
        if (countButton(i) == control)
            return i;
    return 0;
}

void FrmSetup::keyPressEvent(QKeyEvent* event)
{
    if (!handleKey(*event))
        Form::keyPressEvent(event);
}

bool FrmSetup::focusNextPrevChild(bool next)
{
    if (QWidget* to = m_ring.next(focusWidget(), next))
        to->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

bool FrmSetup::handleKey(const QKeyEvent& event)
{
    QWidget* focus = focusWidget();
    const int count = countOf(focus);
    const bool repeat = event.isAutoRepeat();
    switch (event.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier))
            return false;
        focusNextPrevChild(event.key() == Qt::Key_Tab && !(event.modifiers() & Qt::ShiftModifier));
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const bool forward = event.key() == Qt::Key_Right || event.key() == Qt::Key_Down;
        if (focus == TMeno) {
            // Left and Right move the caret in the name.
            if (event.key() != Qt::Key_Down)
                return false;
            if (QWidget* counts = m_ring.entry(countButton(1)))
                counts->setFocus(Qt::TabFocusReason);
            return true;
        }
        if (count != 0) {
            // The counts are one choice: the arrows choose, as a click does.
            if (const int to = countOf(m_ring.within(focus, forward ? 1 : -1)); to != 0) {
                countButton(to)->setFocus(Qt::TabFocusReason);
                chooseCount(to);
            }
            return true;
        }
        focusNextPrevChild(forward);
        return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (focus != TMeno && count == 0)
            return false;
        if (repeat)
            return true;
        // Enter on a count takes that count and goes on.
        if (count != 0 && !m_state.isChosen(count))
            chooseCount(count);
        continueByKey();
        return true;
    case Qt::Key_F1:
        if (!repeat)
            showHelp();
        return true;
    case Qt::Key_Escape:
        if (!repeat)
            backToMenu();
        return true;
    default:
        return false;
    }
}

void FrmSetup::continueByKey()
{
    if (m_state.exampleCount() == 0) {
        if (QWidget* counts = m_ring.entry(countButton(1)))
            counts->setFocus(Qt::TabFocusReason);
    } else if (m_state.name().isEmpty()) {
        TMeno->setFocus(Qt::TabFocusReason);
    } else {
        startSeries();
    }
}

void FrmSetup::paintEvent(QPaintEvent* event)
{
    Form::paintEvent(event);
    if (TMeno->hasFocus()) {
        QPainter painter(this);
        FocusPainter::drawFrameAround(painter, TMeno->geometry());
    }
}

void FrmSetup::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_timer.timerId())
        animate(m_services.tickCount());
    else
        Form::timerEvent(event);
}

void FrmSetup::startTimer()
{
    if (!m_timer.isActive())
        m_timer.start(kTimerMilliseconds, this);
}

void FrmSetup::animate(std::uint32_t now)
{
    if (m_updateDue && reached(now, *m_updateDue)) {
        const std::uint32_t due = *m_updateDue;
        m_updateDue.reset();
        UpdateContinueButton(due);
        UpdatePrintButton(due);
    }
    while (!m_slides.empty() && reached(now, m_slides.front().start)) {
        const Slide& slide = m_slides.front();
        const StripPlayback playback(slide.strip->frameCount(), kFrameMilliseconds, slide.start);
        slide.button->show();
        slide.button->setPicture(slide.strip->frame(playback.frameAt(now)));
        if (!playback.playedAt(now))
            break;
        m_slides.pop_front();
        if (!m_slides.empty())
            m_slides.front().start = playback.end();
    }
    if (!animating())
        m_timer.stop();
}

void FrmSetup::chooseCount(int button)
{
    PlayClickSound(m_services);
    m_state.chooseCount(button);

    const QPixmap arrow = m_services.resources().picture(m_layout.arrowPicture(button));
    const QPoint at = SetupLayout::arrowPosition();
    BlitPersistent(*this, at.x(), at.y(), arrow.width(), arrow.height(), arrow);

    for (int i = 1; i <= SetupLayout::kCountButtons; ++i) {
        countButton(i)->setMarked(m_state.isChosen(i));
        countButton(i)->setLook(m_state.isChosen(i) ? PictureButton::Look::Chosen : PictureButton::Look::Normal);
    }

    m_updateDue = m_services.tickCount() + kUpdateDelayMilliseconds;
    startTimer();
}

void FrmSetup::nameChanged(const QString& text)
{
    if (m_writingName)
        return;
    const auto edit = NameField::clean(text, TMeno->cursorPosition());
    if (edit.text != text) {
        m_writingName = true;
        TMeno->setText(edit.text);
        TMeno->setCursorPosition(edit.cursor);
        m_writingName = false;
    }
    m_state.setName(edit.text);
    const std::uint32_t now = m_services.tickCount();
    UpdateContinueButton(now);
    animate(now);
}

void FrmSetup::UpdateContinueButton(std::uint32_t at)
{
    apply(m_state.updateContinue(), picPokracuj, m_continueBackground, m_continueStrip, at);
}

void FrmSetup::UpdatePrintButton(std::uint32_t at)
{
    apply(m_state.updatePrint(), picTiskni, m_printBackground, m_printStrip, at);
}

void FrmSetup::apply(ButtonStep step, PictureButton* button, const QPixmap& background, const AnimationStrip& strip,
                     std::uint32_t at)
{
    switch (step) {
    case ButtonStep::Keep:
        return;
    case ButtonStep::Hide:
        std::erase_if(m_slides, [button](const Slide& slide) { return slide.button == button; });
        button->setPicture(background);
        button->hide();
        return;
    case ButtonStep::AnimateIn:
        // One strip after another, as the pupil sees them appear.
        m_slides.push_back({button, &strip, at});
        startTimer();
        return;
    }
}

void FrmSetup::startSeries()
{
    PlayClickSound(m_services);
    std::unique_ptr<QWidget> taskForm = m_taskForms.openSeries(setup());
    if (!taskForm)
        return;
    ScreenHost* host = ScreenHost::of(this);
    if (!host)
        return;
    host->showForm(taskForm.release());
    host->hideForm(this);
}

void FrmSetup::printWorksheet()
{
    PlayClickSound(m_services);
    QPrinter printer(QPrinter::HighResolution);
    // Printing to a file proposes the documents folder (the home folder of
    // an account without one) and a name that says what the file is; a
    // chosen printer prints as before, the default one still chosen first.
    const QString defaultPrinter = printer.printerName();
    const QString folder =
        WorksheetPrintSetup::proposedFolder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                                            QStandardPaths::writableLocation(QStandardPaths::HomeLocation));
    printer.setOutputFileName(
        WorksheetPrintSetup::proposedFileName(folder, m_task.taskCode, m_services.now().date()));
    if (!defaultPrinter.isEmpty())
        printer.setPrinterName(defaultPrinter);
    const bool confirmed = m_services.runPrintDialog(printer);
    // Without a window manager nothing gives the keys back to the window.
    if (ScreenHost* host = ScreenHost::of(this))
        host->activateWindow();
    if (!confirmed)
        return;
    const int copies = WorksheetPrintSetup::applyChoices(printer);
    // A worksheet that could not be printed (a missing data file, a PDF file
    // that cannot be written) must not pass for printed.
    if (!m_taskForms.printWorksheet(setup(), printer, copies))
        m_services.showMessage(WorksheetPrintSetup::dialogTitle(), WorksheetPrintSetup::failedText(),
                               MessageIcon::Warning, MessageButtons::Ok);
}

void FrmSetup::showHelp()
{
    m_beforeHelp = focusWidget();
    PlayClickSound(m_services);
    ShowHelpPicture(m_services, ScreenHost::of(this), m_layout.helpPicture(), this);
}

void FrmSetup::backToMenu()
{
    PlayClickSound(m_services);
    ScreenHost* host = ScreenHost::of(this);
    if (!host)
        return;
    host->showForm(&m_menu);
    host->unloadForm(this);
}

void FrmSetup::hoverCount(int button)
{
    picKonec->showNormal();
    EnterHoverItem(m_services, *this, std::uint8_t(button));
    for (int i = 1; i <= SetupLayout::kCountButtons; ++i) {
        if (i != button)
            countButton(i)->showNormalUnlessMarked();
    }
    if (!countButton(button)->isMarked())
        countButton(button)->showHighlighted();
}

void FrmSetup::hoverBack()
{
    EnterHoverItem(m_services, *this, std::uint8_t(SetupItem::Back));
    picKonec->showHighlighted();
}

void FrmSetup::backgroundMoved()
{
    picKonec->showNormal();
    for (PictureButton* button : ICislo)
        button->showNormalUnlessMarked();
    ClearHoverItem(*this);
}

void FrmSetup::addTourStates(Tour& tour, Services& services, const TaskForms& taskForms)
{
    struct Case {
        const char* state;
        const char* code;
    };
    static const Case cases[] = {{"topic1", "1a"}, {"history", "6b"}};
    const auto openFor = [&services, &taskForms](ScreenHost& host, const Case& c) {
        if (QWidget* previous = host.findForm(QStringLiteral("frm_Setup")))
            host.unloadForm(previous);
        const TaskRow& task = *TaskTable::find(QString::fromLatin1(c.code));
        auto* menu = qobject_cast<FrmSelect*>(host.findForm(QStringLiteral("frm_Select")));
        return FrmSetup::open(services, taskForms, *menu, TaskTable::code(task));
    };
    for (const Case& c : cases) {
        const QString state = QString::fromUtf8(c.state);
        tour.add(QStringLiteral("frm_Setup"), state + QStringLiteral("-empty"),
                 [openFor, c](ScreenHost& host) { openFor(host, c); });
        tour.add(QStringLiteral("frm_Setup"), state + QStringLiteral("-ready"),
                 [openFor, c, &services](ScreenHost& host) {
            FrmSetup* setup = openFor(host, c);
            setup->TMeno->setText(QStringLiteral("Zuzana Ďurčová"));
            setup->chooseCount(4);
            // The picture shows the buttons once they have appeared.
            while (setup->animating())
                setup->animate(services.tickCount() + 10000);
        });
        tour.add(QStringLiteral("frm_Intro"), QStringLiteral("help-") + state, [openFor, c](ScreenHost& host) {
            openFor(host, c)->showHelp();
        });
    }
}

} // namespace orbeta
