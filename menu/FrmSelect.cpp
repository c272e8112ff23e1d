// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "menu/FrmSelect.h"

#include "look/basics/Layout.h"
#include "look/basics/PictureNames.h"
#include "screen/Form.h"
#include "screen/HelpScreens.h"
#include "screen/PictureButton.h"
#include "screen/ScreenHost.h"
#include "screen/Tour.h"
#include "services/Resources.h"
#include "services/Services.h"
#include "startup/StartUp.h"
#include "tasks/TaskTable.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QTimer>

#include <memory>

namespace orbeta {

namespace {

// HoverId numbers of the menu's items.
constexpr std::uint8_t kEndId = 1;
constexpr std::uint8_t kFirstTopicId = 2; // topics 1..6 -> 2..7
constexpr std::uint8_t kFirstTaskId = 8;  // tasks 1..5 -> 8..12
constexpr std::uint8_t kHelpId = 13;

} // namespace

FrmSelect::FrmSelect(Services& services, QWidget* parent)
    : Form(QStringLiteral("frm_Select"), parent)
    , m_services(services)
{
    setAccessibleName(QStringLiteral("Hlavná ponuka"));
    connect(this, &Form::backgroundMouseMoved, this, &FrmSelect::onBackgroundMove);
}

bool FrmSelect::load(ScreenHost& host, DisplayChoice display, bool showSplash, const DataTablesCheck& checkTables)
{
    const StartUpResult started = StartUp(m_services, checkTables);
    if (started.failure != StartUpFailure::None)
        return false;
    // Closing the window asks like the end button.
    connect(&host, &ScreenHost::closeRequested, this, &FrmSelect::confirmEnd);

    if (!showSplash) {
        SwitchDisplayMode(host, display, m_services);
        finishLoad();
        host.showForm(this);
        return true;
    }
    SwitchDisplayMode(host, display, m_services);
    ShowSplash(m_services, host, started.driveCaption, this);
    // The menu stays hidden behind the splash; it is built once the splash
    // is on the screen, so that the first picture appears without delay.
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = connect(&host, &ScreenHost::framePainted, this, [this, connection] {
        disconnect(*connection);
        QTimer::singleShot(0, this, &FrmSelect::finishLoad);
    });
    return true;
}

void FrmSelect::finishLoad()
{
    if (m_built)
        return;
    m_built = true;
    build();
    m_chosenTaskCode = QStringLiteral("0");
    ClearHoverItem(*this);
    m_fontPath = m_services.resources().resourcePath(QStringLiteral("Data\\Sigla.ttf"));
    // Nothing on the first screen is written in the symbol font: register it
    // once that screen has been painted.
    if (ScreenHost* host = ScreenHost::of(this)) {
        auto connection = std::make_shared<QMetaObject::Connection>();
        *connection = connect(host, &ScreenHost::framePainted, this, [this, connection] {
            disconnect(*connection);
            QTimer::singleShot(0, this, &FrmSelect::registerSymbolFont);
        });
    }
}

void FrmSelect::registerSymbolFont()
{
    if (m_fontRegistered || m_fontPath.isEmpty())
        return;
    m_fontRegistered = true;
    QFontDatabase::addApplicationFont(m_fontPath);
}

void FrmSelect::formActivated()
{
    // The splash may be dismissed before the menu has been built.
    finishLoad();
    // Back from a task's setup the focus is where the pupil left it.
    QWidget* first = m_ring.entry(topicButton(1));
    for (PictureButton* task : RI)
        if (task->isMarked() && !task->isHidden())
            first = task;
    if (first)
        first->setFocus(Qt::OtherFocusReason);
}

void FrmSelect::focusControl(QWidget* control)
{
    if (control)
        control->setFocus(Qt::TabFocusReason);
}

int FrmSelect::topicOf(const QObject* control) const
{
    for (int t = 1; t <= TaskTable::kTopicCount; ++t)
        if (topicButton(t) == control)
            return t;
    return 0;
}

int FrmSelect::taskOf(const QObject* control) const
{
    for (int r = 1; r <= TaskTable::kMaxTasksPerTopic; ++r)
        if (taskButton(r) == control)
            return r;
    return 0;
}

void FrmSelect::openTopicByKey(int topic)
{
    selectTopic(topic);
    focusControl(m_ring.entry(taskButton(1)));
}

void FrmSelect::followFocus(PictureButton* button, bool hasFocus, Qt::FocusReason reason)
{
    // The focus moved by a key highlights like the mouse does, with the same
    // sound; the screen appearing or the window coming back plays none.
    if (!hasFocus) {
        button->showNormalUnlessMarked();
        return;
    }
    if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason)
        return;
    if (const int topic = topicOf(button))
        onTopicMove(topic);
    else if (const int item = taskOf(button))
        onTaskMove(item);
    else if (button == IHelp)
        onHelpMove();
    else if (button == IKonec)
        onEndMove();
}

bool FrmSelect::focusNextPrevChild(bool next)
{
    focusControl(m_ring.next(focusWidget(), next));
    return true;
}

bool FrmSelect::eventFilter(QObject* watched, QEvent* event)
{
    // Enter on a topic goes on to its tasks, where the next Enter opens one.
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool confirm =
            key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space;
        if (const int topic = topicOf(watched); topic != 0 && confirm) {
            if (!key->isAutoRepeat())
                openTopicByKey(topic);
            return true;
        }
    }
    return Form::eventFilter(watched, event);
}

void FrmSelect::keyPressEvent(QKeyEvent* event)
{
    QWidget* focus = focusWidget();
    const int topic = topicOf(focus);
    const int item = taskOf(focus);
    switch (event->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        focusNextPrevChild(event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier));
        return;
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const bool down = event->key() == Qt::Key_Down;
        QWidget* to = m_ring.within(focus, down ? 1 : -1);
        focusControl(to ? to : m_ring.next(focus, down));
        return;
    }
    case Qt::Key_Right:
        if (topic != 0)
            openTopicByKey(topic);
        else if (focus == IHelp)
            focusControl(IKonec);
        return;
    case Qt::Key_Left:
        if (item != 0 || focus == IHelp)
            focusControl(m_ring.entry(topicButton(1)));
        else if (focus == IKonec)
            focusControl(IHelp);
        return;
    case Qt::Key_F1:
        if (!event->isAutoRepeat())
            showCredits();
        return;
    case Qt::Key_Escape:
        if (!event->isAutoRepeat())
            confirmEnd();
        return;
    default:
        break;
    }
    // The task code as accelerators: a digit chooses the topic, a letter its task.
    const QString text = event->text().toLower();
    if (text.size() == 1 && !event->isAutoRepeat()) {
        const QChar c = text.at(0);
        if (c >= QLatin1Char('1') && c <= QLatin1Char('0' + TaskTable::kTopicCount)) {
            openTopicByKey(c.digitValue());
            return;
        }
        const int letter = c.unicode() - 'a' + 1;
        if (letter >= 1 && letter <= TaskTable::kMaxTasksPerTopic && selectedTopic() != 0
            && !taskButton(letter)->isHidden()) {
            focusControl(taskButton(letter));
            chooseTask(letter);
            return;
        }
    }
    Form::keyPressEvent(event);
}

void FrmSelect::build()
{
    SetUpForm(*this, ScreenHost::kDesignWidth, ScreenHost::kDesignHeight);
    setCursor(m_services.resources().arrowCursor());

    for (int t = 0; t < TaskTable::kTopicCount; ++t) {
        auto* button = new PictureButton(this, std::uint8_t(kFirstTopicId + t));
        button->setGeometry(Layout::kTopicButton1.translated(0, Layout::kTopicStep * t));
        const int topic = t + 1;
        connect(button, &PictureButton::mouseMoved, this, [this, topic] { onTopicMove(topic); });
        connect(button, &PictureButton::clicked, this, [this, topic] { selectTopic(topic); });
        button->setAccessibleRole(QAccessible::RadioButton);
        button->setAccessibleName(TaskTable::shownTopicName(topic));
        button->setAccessibleDescription(QStringLiteral("Téma. Enter alebo šípka vpravo ukáže jej úlohy."));
        button->installEventFilter(this);
        LI.at(t) = button;
    }
    for (int r = 0; r < TaskTable::kMaxTasksPerTopic; ++r) {
        auto* button = new PictureButton(this, std::uint8_t(kFirstTaskId + r));
        button->setGeometry(Layout::kTaskButton1.translated(0, Layout::kTaskButton1.height() * r));
        button->hide();
        const int item = r + 1;
        connect(button, &PictureButton::mouseMoved, this, [this, item] { onTaskMove(item); });
        connect(button, &PictureButton::clicked, this, [this, item] { chooseTask(item); });
        // Named by its task once a topic shows it.
        button->setAccessibleName(QStringLiteral("Úloha %1").arg(item));
        button->setAccessibleDescription(QStringLiteral("Úloha. Enter ju otvorí."));
        RI.at(r) = button;
    }
    IKonec = new PictureButton(this, kEndId);
    IKonec->setGeometry(Layout::kEndButton);
    connect(IKonec, &PictureButton::mouseMoved, this, &FrmSelect::onEndMove);
    connect(IKonec, &PictureButton::clicked, this, &FrmSelect::confirmEnd);
    IKonec->setAccessibleName(QStringLiteral("Koniec"));
    IKonec->setAccessibleDescription(QStringLiteral("Ukončí program. Aj kláves Escape."));

    IHelp = new PictureButton(this, kHelpId);
    IHelp->setFixedPictureSize(Layout::kMenuHelp.size());
    IHelp->move(Layout::kMenuHelp.topLeft());
    connect(IHelp, &PictureButton::mouseMoved, this, &FrmSelect::onHelpMove);
    connect(IHelp, &PictureButton::clicked, this, &FrmSelect::showCredits);
    IHelp->setAccessibleName(QStringLiteral("O programe"));
    IHelp->setAccessibleDescription(QStringLiteral("Kto program urobil a ktoré klávesy platia. Aj kláves F1."));

    picScratch = new PictureButton(this);
    picScratch->setFixedPictureSize(Layout::kScratchSize);
    picScratch->hide();
    picScratch->setFocusPolicy(Qt::NoFocus);
    picScratch->setAccessibleRole(QAccessible::Graphic);
    picScratch->setAccessibleName(QStringLiteral("Pomocný obrázok"));

    QList<QWidget*> topics(LI.begin(), LI.end());
    QList<QWidget*> tasks(RI.begin(), RI.end());
    m_ring.addGroup(topics);
    m_ring.addGroup(tasks);
    m_ring.add(IHelp);
    m_ring.add(IKonec);
    QList<PictureButton*> focusable(LI.begin(), LI.end());
    focusable << QList<PictureButton*>(RI.begin(), RI.end()) << IHelp << IKonec;
    for (PictureButton* button : focusable)
        connect(button, &PictureButton::focusChanged, this,
                [this, button](bool hasFocus, Qt::FocusReason reason) { followFocus(button, hasFocus, reason); });

    NormaliseControls(*this);
    loadPictures();
}

void FrmSelect::loadPictures()
{
    setPicture(m_services.resources().picture(PictureNames::menuBackground()));
    IKonec->setPictures(m_services.resources().picture(PictureNames::endButton(ButtonLook::Normal)),
                        m_services.resources().picture(PictureNames::endButton(ButtonLook::Highlighted)));
    IKonec->showNormal();
    for (int t = 1; t <= TaskTable::kTopicCount; ++t) {
        PictureButton* button = topicButton(t);
        button->setPictures(m_services.resources().picture(PictureNames::topicButton(t, ButtonLook::Normal)),
                            m_services.resources().picture(PictureNames::topicButton(t, ButtonLook::Highlighted)));
        button->showNormal();
    }
}

const AnimationStrip& FrmSelect::animationStrip(int index) const
{
    // Loaded when the setup form first needs them, not at start-up.
    AnimationStrip& strip = m_strips.at(index - 1);
    if (strip.frameCount() == 0) {
        const QString name = index == 1 ? PictureNames::continueStrip() : PictureNames::printStrip();
        strip = AnimationStrip(m_services.resources().picture(name), Layout::kStripFrames);
    }
    return strip;
}

int FrmSelect::selectedTopic() const
{
    for (int t = 1; t <= TaskTable::kTopicCount; ++t)
        if (topicButton(t)->isMarked())
            return t;
    return 0;
}

void FrmSelect::selectTopic(int topic)
{
    PlayClickSound(m_services);
    if (!topicButton(topic)->isMarked() && m_loadedTopic != topic) {
        const int count = TaskTable::taskCount(topic);
        int top = Layout::kTaskButton1.top();
        for (int r = 1; r <= TaskTable::kMaxTasksPerTopic; ++r) {
            PictureButton* button = taskButton(r);
            // A chosen task of the previous topic is not chosen in this one.
            button->setMarked(false);
            const TaskRow* task = TaskTable::find(topic, r);
            if (!task || r > count) {
                button->hide();
                continue;
            }
            const QString code = TaskTable::code(*task);
            button->setAccessibleName(TaskTable::shownTitle(*task));
            button->setPictures(m_services.resources().picture(PictureNames::taskButton(code, ButtonLook::Normal)),
                                m_services.resources().picture(PictureNames::taskButton(code, ButtonLook::Highlighted)),
                                m_services.resources().picture(PictureNames::taskButton(code, ButtonLook::Chosen)));
            button->showNormal();
            button->move(Layout::kTaskButton1.left(), top);
            top += button->height();
            button->show();
        }
        m_loadedTopic = topic;
    }
    for (int t = 1; t <= TaskTable::kTopicCount; ++t) {
        PictureButton* button = topicButton(t);
        button->setMarked(t == topic);
        button->setLook(t == topic ? PictureButton::Look::Highlighted : PictureButton::Look::Normal);
    }
    IKonec->showNormal();
}

void FrmSelect::chooseTask(int item)
{
    PlayClickSound(m_services);
    const TaskRow* task = TaskTable::find(selectedTopic(), item);
    if (!task)
        return;
    m_chosenTaskCode = TaskTable::code(*task);
    for (int r = 1; r <= TaskTable::kMaxTasksPerTopic; ++r) {
        PictureButton* button = taskButton(r);
        button->setMarked(r == item);
        button->setLook(r == item ? PictureButton::Look::Chosen : PictureButton::Look::Normal);
    }
    emit taskChosen();
}

void FrmSelect::showCredits()
{
    PlayClickSound(m_services);
    ShowHelpPicture(m_services, ScreenHost::of(this), PictureNames::credits(), this);
}

void FrmSelect::confirmEnd()
{
    PlayClickSound(m_services);
    const MessageAnswer answer = m_services.showMessage(QStringLiteral("Ukončenie aplikácie"),
                                                        QStringLiteral("Naozaj chcete ukončiť tento program?"),
                                                        MessageIcon::Question, MessageButtons::YesNo);
    if (answer != MessageAnswer::Yes)
        return;
    if (ScreenHost* host = ScreenHost::of(this))
        RestoreDisplayMode(*host);
    // Straight out of the event loop: quit() would first try to close the
    // window, and closing the window asks this question again.
    QCoreApplication::exit(0);
}

void FrmSelect::unmarkedToNormal()
{
    for (PictureButton* button : LI)
        button->showNormalUnlessMarked();
    for (PictureButton* button : RI)
        button->showNormalUnlessMarked();
}

void FrmSelect::onBackgroundMove()
{
    const ScreenHost* host = ScreenHost::of(this);
    if (!host || host->hoverId() == 0)
        return;
    IKonec->showNormal();
    unmarkedToNormal();
    ClearHoverItem(*this);
}

void FrmSelect::onTopicMove(int topic)
{
    EnterHoverItem(m_services, *this, topicButton(topic)->hoverId());
    for (int t = 1; t <= TaskTable::kTopicCount; ++t)
        if (t != topic)
            topicButton(t)->showNormalUnlessMarked();
    topicButton(topic)->showHighlighted();
    IKonec->showNormal();
}

void FrmSelect::onTaskMove(int item)
{
    IKonec->showNormal();
    EnterHoverItem(m_services, *this, taskButton(item)->hoverId());
    for (int r = 1; r <= TaskTable::kMaxTasksPerTopic; ++r)
        if (r != item)
            taskButton(r)->showNormalUnlessMarked();
    for (PictureButton* button : LI)
        button->showNormalUnlessMarked();
    taskButton(item)->showHighlighted();
}

void FrmSelect::onHelpMove()
{
    if (!EnterHoverItem(m_services, *this, kHelpId))
        return;
    IKonec->showNormal();
}

void FrmSelect::onEndMove()
{
    if (!EnterHoverItem(m_services, *this, kEndId))
        return;
    unmarkedToNormal();
    IKonec->showHighlighted();
}

void FrmSelect::addTourStates(Tour& tour)
{
    const auto menu = [](ScreenHost& host) {
        auto* form = qobject_cast<FrmSelect*>(host.findForm(QStringLiteral("frm_Select")));
        host.showForm(form);
        return form;
    };
    tour.add(QStringLiteral("frm_Select"), QStringLiteral("start"), [menu](ScreenHost& host) { menu(host); });
    for (int t = 1; t <= TaskTable::kTopicCount; ++t) {
        tour.add(QStringLiteral("frm_Select"), QStringLiteral("topic%1").arg(t), [menu, t](ScreenHost& host) {
            FrmSelect* form = menu(host);
            form->selectTopic(t);
            form->topicButton(t)->setFocus(Qt::OtherFocusReason);
        });
    }
    tour.add(QStringLiteral("frm_Select"), QStringLiteral("end"), [menu](ScreenHost& host) {
        FrmSelect* form = menu(host);
        form->onBackgroundMove();
        form->onEndMove();
        form->endButton()->setFocus(Qt::OtherFocusReason);
    });
}

} // namespace orbeta
