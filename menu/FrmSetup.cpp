#include "menu/FrmSetup.h"

#include "look/Layout.h"
#include "menu/FrmSelect.h"
#include "menu/NameField.h"
#include "menu/TaskForms.h"
#include "menu/WorksheetPrintSetup.h"
#include "shell/FrmIntro.h"
#include "shell/Globals.h"
#include "shell/Misc.h"
#include "shell/PictureButton.h"
#include "shell/Resources.h"
#include "shell/ScreenHost.h"
#include "shell/Tour.h"

#include <QEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>

namespace orbeta {
namespace {

constexpr std::uint32_t FrameMilliseconds = 15;

FrmSetup::PrintDialogRunner& printDialogRunner()
{
    static FrmSetup::PrintDialogRunner runner;
    return runner;
}

bool runSystemPrintDialog(QPrinter& printer, QWidget* parent)
{
    QPrintDialog dialog(&printer, parent);
    WorksheetPrintSetup::prepare(dialog);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

FrmSetup::FrmSetup(QWidget* parent)
    : Form(QStringLiteral("frm_Setup"), parent)
    , m_layout(SetupLayout::forTask(globals().TaskCode))
    , m_state(m_layout)
{
    const bool history = m_layout.group() == TopicGroup::History;

    for (int i = 1; i <= SetupLayout::CountButtons; ++i) {
        auto* button = new PictureButton(this, std::uint8_t(i));
        button->move(Layout::kCountButton1.topLeft() + QPoint(Layout::kCountStep * (i - 1), 0));
        connect(button, &PictureButton::mouseMoved, this, [this, i] { hoverCount(i); });
        connect(button, &PictureButton::mousePressed, this, [this, i] { chooseCount(i); });
        ICislo[static_cast<std::size_t>(i - 1)] = button;
    }

    TMeno = new QLineEdit(this);
    QRect field = history ? Layout::kNameField6 : Layout::kNameField15;
    field.moveLeft(m_layout.nameFieldLeft());
    TMeno->setGeometry(field);
    TMeno->setMaxLength(NameField::MaxLength);
    TMeno->setFrame(false);
    TMeno->setMouseTracking(true);
    TMeno->installEventFilter(this);
    connect(TMeno, &QLineEdit::textChanged, this, &FrmSetup::nameChanged);

    picPokracuj = new PictureButton(this, std::uint8_t(SetupItem::Continue));
    picPokracuj->setGeometry(Layout::kContinueButton);
    picPokracuj->setFixedPictureSize(Layout::kContinueButton.size());
    connect(picPokracuj, &PictureButton::mouseMoved, this, [] { EnterHoverItem(std::uint8_t(SetupItem::Continue)); });
    connect(picPokracuj, &PictureButton::clicked, this, &FrmSetup::startSeries);

    picTiskni = new PictureButton(this, std::uint8_t(SetupItem::Print));
    picTiskni->setGeometry(Layout::kPrintButton);
    picTiskni->setFixedPictureSize(Layout::kPrintButton.size());
    connect(picTiskni, &PictureButton::mouseMoved, this, [] { EnterHoverItem(std::uint8_t(SetupItem::Print)); });
    connect(picTiskni, &PictureButton::clicked, this, &FrmSetup::printWorksheet);

    picKonec = new PictureButton(this, std::uint8_t(SetupItem::Back));
    picKonec->move(Layout::kSetupBack.topLeft());
    connect(picKonec, &PictureButton::mouseMoved, this, &FrmSetup::hoverBack);
    connect(picKonec, &PictureButton::mousePressed, this, &FrmSetup::backToMenu);

    // The help button is drawn on the background; this is its sensitive area.
    IHelp = new PictureButton(this, std::uint8_t(SetupItem::Help));
    IHelp->setGeometry(Layout::kSetupHelp);
    IHelp->setFixedPictureSize(Layout::kSetupHelp.size());
    connect(IHelp, &PictureButton::mouseMoved, this, [] { EnterHoverItem(std::uint8_t(SetupItem::Help)); });
    connect(IHelp, &PictureButton::clicked, this, &FrmSetup::showHelp);

    connect(this, &Form::backgroundMouseMoved, this, &FrmSetup::backgroundMoved);

    // Load.
    NormaliseControls(*this);
    SetUpForm(*this, ScreenHost::DesignWidth, ScreenHost::DesignHeight);
    setCursor(globals().ArrowCursor);
    setPicture(Resources::picture(m_layout.background()));

    m_continueBackground = Resources::picture(SetupLayout::continueBackground());
    m_printBackground = Resources::picture(SetupLayout::printBackground());
    // The menu holds the two strips for the whole run.
    if (ScreenHost* host = ScreenHost::instance()) {
        if (auto* menu = qobject_cast<FrmSelect*>(host->findForm(QStringLiteral("frm_Select")))) {
            m_continueStrip = menu->animationStrip(1);
            m_printStrip = menu->animationStrip(2);
        }
    }
    picPokracuj->setPicture(m_continueBackground);
    picPokracuj->hide();
    picTiskni->setPicture(m_printBackground);
    picTiskni->hide();
    globals().PrintMode = false;

    picKonec->setPictures(Resources::picture(SetupLayout::backPicture(false)),
                          Resources::picture(SetupLayout::backPicture(true)));
    for (int i = 1; i <= SetupLayout::CountButtons; ++i) {
        const QPixmap chosen = Resources::picture(m_layout.countPicture(i, true));
        countButton(i)->setPictures(Resources::picture(m_layout.countPicture(i, false)), chosen, chosen);
        countButton(i)->showNormal();
    }

    const QImage topic = Resources::image(m_layout.topicPicture());
    const QPoint at = SetupLayout::topicPicturePosition();
    BlitTransparent(persistentImage(), at.x(), at.y(), topic.width(), topic.height(), topic, 0, 0,
                    QColor(TransparentColour));

    globals().ExampleCount = 0;
    globals().HoverId = 0;
}

void FrmSetup::setPrintDialogRunner(PrintDialogRunner runner)
{
    printDialogRunner() = std::move(runner);
}

FrmSetup* FrmSetup::open(QWidget* menu)
{
    ScreenHost* host = ScreenHost::instance();
    auto* setup = new FrmSetup(host ? host->stage() : nullptr);
    if (host) {
        host->showForm(setup);
        host->hideForm(menu);
    }
    return setup;
}

void FrmSetup::formActivated()
{
    const QPixmap heading = Resources::picture(m_layout.headingPicture());
    const QPoint at = m_layout.headingPosition();
    BlitPersistent(*this, at.x(), at.y(), heading.width(), heading.height(), heading);
    TMeno->setFocus();
}

bool FrmSetup::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == TMeno) {
        if (event->type() == QEvent::MouseButtonPress)
            PlayClickSound();
        else if (event->type() == QEvent::MouseMove)
            EnterHoverItem(std::uint8_t(SetupItem::Name));
    }
    return Form::eventFilter(watched, event);
}

void FrmSetup::chooseCount(int button)
{
    PlayClickSound();
    m_state.chooseCount(button);
    globals().ExampleCount = m_state.exampleCount();

    const QPixmap arrow = Resources::picture(m_layout.arrowPicture(button));
    const QPoint at = SetupLayout::arrowPosition();
    BlitPersistent(*this, at.x(), at.y(), arrow.width(), arrow.height(), arrow);

    for (int i = 1; i <= SetupLayout::CountButtons; ++i) {
        countButton(i)->setMarked(m_state.isChosen(i));
        countButton(i)->setLook(m_state.isChosen(i) ? PictureButton::Look::Chosen : PictureButton::Look::Normal);
    }

    const QPointer<FrmSetup> alive(this);
    DelayWithEvents(100);
    if (!alive)
        return;
    UpdateContinueButton();
    UpdatePrintButton();
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
    UpdateContinueButton();
}

void FrmSetup::UpdateContinueButton()
{
    apply(m_state.updateContinue(), picPokracuj, m_continueBackground, m_continueStrip);
}

void FrmSetup::UpdatePrintButton()
{
    apply(m_state.updatePrint(), picTiskni, m_printBackground, m_printStrip);
}

void FrmSetup::apply(ButtonStep step, PictureButton* button, const QPixmap& background, const AnimationStrip& strip)
{
    switch (step) {
    case ButtonStep::Keep:
        return;
    case ButtonStep::Hide:
        button->setPicture(background);
        button->hide();
        return;
    case ButtonStep::AnimateIn: {
        button->show();
        const QPointer<PictureButton> alive(button);
        for (int frame = 0; frame < strip.frameCount() && alive; ++frame) {
            button->setPicture(strip.frame(frame));
            button->repaint();
            DelayWithEvents(FrameMilliseconds);
        }
        return;
    }
    }
}

void FrmSetup::startSeries()
{
    PlayClickSound();
    globals().PupilName = TMeno->text();
    globals().PrintMode = false;
    std::unique_ptr<QWidget> taskForm = TaskForms::load(globals().TaskCode, TaskFormStart{});
    if (!taskForm)
        return;
    ScreenHost* host = ScreenHost::instance();
    if (!host)
        return;
    host->showForm(taskForm.release());
    DelayBusy(10);
    host->hideForm(this);
}

void FrmSetup::printWorksheet()
{
    PlayClickSound();
    globals().PupilName = TMeno->text();
    QPrinter printer(QPrinter::HighResolution);
    // The dialog belongs to the program's window, not to the scaled stage,
    // so it opens at its own size above the screen.
    const bool confirmed =
        printDialogRunner() ? printDialogRunner()(printer) : runSystemPrintDialog(printer, ScreenHost::instance());
    if (!confirmed)
        return;
    const int copies = WorksheetPrintSetup::applyChoices(printer);
    globals().PrintMode = true;
    // Loading the form in print mode prints the worksheet; unloading it ends
    // the print job. A failed print is not reported to the pupil.
    TaskForms::load(globals().TaskCode, TaskFormStart{true, &printer, copies});
}

void FrmSetup::showHelp()
{
    PlayClickSound();
    FrmIntro::showHelpPicture(m_layout.helpPicture(), this);
}

void FrmSetup::backToMenu()
{
    PlayClickSound();
    ScreenHost* host = ScreenHost::instance();
    if (!host)
        return;
    if (QWidget* menu = host->findForm(QStringLiteral("frm_Select")))
        host->showForm(menu);
    host->unloadForm(this);
}

void FrmSetup::hoverCount(int button)
{
    picKonec->showNormal();
    EnterHoverItem(std::uint8_t(button));
    for (int i = 1; i <= SetupLayout::CountButtons; ++i) {
        if (i != button)
            countButton(i)->showNormalUnlessMarked();
    }
    if (!countButton(button)->isMarked())
        countButton(button)->showHighlighted();
}

void FrmSetup::hoverBack()
{
    EnterHoverItem(std::uint8_t(SetupItem::Back));
    picKonec->showHighlighted();
}

void FrmSetup::backgroundMoved()
{
    picKonec->showNormal();
    for (PictureButton* button : ICislo)
        button->showNormalUnlessMarked();
    globals().HoverId = 0;
}

void FrmSetup::addTourStates(Tour& tour)
{
    struct Case {
        const char* state;
        const char* code;
        const char* topic;
        const char* title;
    };
    static const Case cases[] = {
        {"topic1", "1a", "Mechanika 1", "Hustota kvapaliny"},
        {"history", "6b", "Historie", "Časová osa - osobnosti"},
    };
    const auto openFor = [](ScreenHost& host, const Case& c) {
        if (QWidget* previous = host.findForm(QStringLiteral("frm_Setup")))
            host.unloadForm(previous);
        globals().TaskCode = QString::fromUtf8(c.code);
        globals().TopicName = QString::fromUtf8(c.topic);
        globals().TaskTitle = QString::fromUtf8(c.title);
        return FrmSetup::open(globals().CurrentForm);
    };
    for (const Case& c : cases) {
        const QString state = QString::fromUtf8(c.state);
        tour.add(QStringLiteral("frm_Setup"), state + QStringLiteral("-empty"),
                 [openFor, c](ScreenHost& host) { openFor(host, c); });
        tour.add(QStringLiteral("frm_Setup"), state + QStringLiteral("-ready"), [openFor, c](ScreenHost& host) {
            FrmSetup* setup = openFor(host, c);
            setup->TMeno->setText(QStringLiteral("Zuzana Ďurčová"));
            setup->chooseCount(4);
        });
        tour.add(QStringLiteral("frm_Intro"), QStringLiteral("help-") + state, [openFor, c](ScreenHost& host) {
            openFor(host, c)->showHelp();
        });
    }
}

} // namespace orbeta
