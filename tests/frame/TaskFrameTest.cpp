// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The frame every task form stands in, on a small practice form: counting a
// series and handing it over as a value, the toolbar and its keys, back in
// the middle of a series, the marks and their hints, the title's help, the
// hover sounds and the pointer over the scaled stage.
#include "frame/ResultsLink.h"
#include "frame/TaskFrame.h"
#include "look/basics/Layout.h"
#include "screen/FrmIntro.h"
#include "screen/PictureButton.h"
#include "screen/ScreenHost.h"
#include "tests/support/FakeServices.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>

using namespace orbeta;

namespace {

class FakeHint : public HintWindow {
public:
    explicit FakeHint(QWidget* parent)
        : HintWindow(QStringLiteral("frm_Chybovy"), parent)
    {
        setFixedSize(200, 60);
    }
    void Vloz_Text(const QString& text) override { shownText = text; }
    QSize pictureSize() const override { return size(); }
    void showPicture(const QPixmap&) override {}
    QString shownText;
};

class FakeResults : public ResultsLink {
public:
    void finishSeries(const SeriesSetup& setup, const SeriesResult& series, QWidget*) override
    {
        finishedSetups.push_back(setup);
        finished.push_back(series);
    }
    void showRanking(const SeriesSetup&, QWidget*) override { ++rankings; }
    HintWindow* createHint(HintBubble, QWidget* parent) override
    {
        auto* hint = new FakeHint(parent);
        hint->hide();
        return hint;
    }
    std::vector<SeriesSetup> finishedSetups;
    std::vector<SeriesResult> finished;
    int rankings = 0;
};

// Questions asked in a real message box, which runs its own event loop:
// `whileOpen` acts on the open box, which is then answered `reply`.
class AskingServices : public FakeServices {
public:
    MessageAnswer showMessage(const QString& title, const QString& text, MessageIcon icon,
                              MessageButtons buttons) override
    {
        FakeServices::showMessage(title, text, icon, buttons);
        QTimer::singleShot(0, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_TRUE(box);
            if (whileOpen)
                whileOpen(*box);
            box->button(reply == MessageAnswer::Yes ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        return MessageBox::exec(title, text, icon, buttons, nullptr);
    }

    std::function<void(QMessageBox&)> whileOpen;
    MessageAnswer reply = MessageAnswer::Yes;
};

// A task of `items` items a screen, judged as `verdicts` says, with one
// label that sounds when the pointer enters it and one answer box.
class PracticeForm : public TaskFrame {
public:
    PracticeForm(Services& services, ResultsLink& results, const SeriesSetup& setup, QWidget* returnForm,
                 QWidget* parent, int items)
        : TaskFrame(QStringLiteral("frm_Practice"), services, results, QStringLiteral("1c"), setup, returnForm, parent,
                    {.newTip = QStringLiteral("Nový príklad (F6)"),
                     .progress = Layout::kCalcProgress,
                     .continueButton = Layout::kCalcContinue,
                     .marks = items,
                     .markSize = QSize(28, 28),
                     .markTip = QStringLiteral("Klikni.")})
        , m_items(items)
    {
        row = new QLabel(QStringLiteral("voda"), this);
        row->setGeometry(20, 300, 200, 20);
        row->setMouseTracking(true);
        entry = new QLineEdit(this);
        entry->setGeometry(20, 340, 80, 24);
        verdicts.assign(std::size_t(items), true);
        beginSeries();
    }

    QLabel* row = nullptr;
    QLineEdit* entry = nullptr;
    std::vector<bool> verdicts;
    int built = 0;
    bool generationFails = false;
    bool dragging = false;
    QPoint hintAt{430, 400};

protected:
    bool buildExample() override
    {
        if (generationFails)
            return false;
        ++built;
        return true;
    }
    std::vector<QWidget*> focusOrder() const override { return {entry}; }
    std::vector<bool> judgeExample() override { return verdicts; }
    void showSolution(int item, QPoint) override
    {
        HintWindow& window = hint(HintBubble::OneLine);
        window.Vloz_Text(QString::number(item));
        showHint(window, hintAt);
    }
    QRect markRect(int item) const override { return {300 + 30 * item, 200, 28, 28}; }
    int screenItems() const override { return m_items; }
    bool busy() const override { return dragging; }
    bool filterEvent(QObject* watched, QEvent* event) override
    {
        if (watched == row && event->type() == QEvent::MouseMove)
            EnterHoverItem(m_services, *this, 33);
        return false;
    }

private:
    int m_items;
};

void send(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButtons buttons = Qt::NoButton)
{
    QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

class TaskFrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        series.pupilName = QStringLiteral("Zuzana");
        series.topicName = QStringLiteral("Mechanika 1");
        series.taskTitle = QStringLiteral("Pohyb rovnomerný");
        series.exampleCount = 3;
        setup.resize(ScreenHost::kDesignWidth, ScreenHost::kDesignHeight);
        host.showForm(&setup);
    }

    PracticeForm* open(int count, int items = 1, Services* asking = nullptr)
    {
        series.exampleCount = std::uint8_t(count);
        auto* form = new PracticeForm(asking ? *asking : services, results, series, &setup, host.stage(), items);
        host.showForm(form);
        alive = form;
        return form;
    }

    // The offscreen window is never active: its own focus is where keys go.
    QWidget* focus() const { return host.stage()->window()->focusWidget(); }
    // The progress label reads "number / count".
    static bool showsProgress(const QWidget* form, int number, int count)
    {
        const QString text = QStringLiteral("%1 / %2").arg(number).arg(count);
        const auto labels = form->findChildren<QLabel*>();
        return std::any_of(labels.begin(), labels.end(), [&](const QLabel* l) { return l->text() == text; });
    }

    FakeServices services;
    FakeResults results;
    // What the setup screen hands the form.
    SeriesSetup series;
    ScreenHost host;
    QWidget setup{host.stage()};
    QPointer<PracticeForm> alive;
};

} // namespace

TEST_F(TaskFrameTest, ASeriesIsCountedAndHandedOverOnceAsAValue)
{
    PracticeForm* form = open(3);
    for (int k = 1; k <= 3; ++k) {
        ASSERT_TRUE(alive);
        EXPECT_TRUE(showsProgress(form, k, 3)) << k;
        form->verdicts = {k != 2};
        QTest::mouseClick(form->topButton(1), Qt::LeftButton);
        EXPECT_FALSE(form->topButton(1)->isEnabled());
        EXPECT_FALSE(form->topButton(2)->isEnabled());
        EXPECT_TRUE(form->topButton(4)->isEnabled());
        EXPECT_TRUE(form->markButton()->isVisible());
        QTest::keyClick(form, Qt::Key_F3); // judged once only
        QTest::mouseClick(form->continueButton(), Qt::LeftButton);
    }
    ASSERT_EQ(results.finished.size(), 1);
    const SeriesResult& result = results.finished.front();
    EXPECT_EQ(result.correct, 2);
    EXPECT_EQ(result.wrong, 1);
    EXPECT_EQ(result.pupilName, QStringLiteral("Zuzana"));
    EXPECT_EQ(result.taskTitle, QStringLiteral("Pohyb rovnomerný"));
    // The results form records it under the form's own task, with the count set up.
    EXPECT_EQ(results.finishedSetups.front().taskCode, QStringLiteral("1c"));
    EXPECT_EQ(results.finishedSetups.front().exampleCount, 3);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(alive);
}

TEST_F(TaskFrameTest, ScreensOfManyItemsCountEveryItem)
{
    PracticeForm* form = open(15, 5);
    form->verdicts = {true, false, true, true, false};
    for (int screen = 1; screen <= 3; ++screen) {
        ASSERT_TRUE(alive);
        EXPECT_TRUE(showsProgress(form, 5 * screen - 4, 15)) << screen;
        QTest::keyClick(form, Qt::Key_F3);
        EXPECT_EQ(form->mark(2)->isEnabled(), true);  // a cross opens its hint
        EXPECT_EQ(form->mark(1)->isEnabled(), false); // a tick does not
        QTest::keyClick(form, Qt::Key_F4);
    }
    ASSERT_EQ(results.finished.size(), 1);
    EXPECT_EQ(results.finished.front().correct, 9);
    EXPECT_EQ(results.finished.front().wrong, 6);
}

TEST_F(TaskFrameTest, FunctionKeysActOnlyOnTheFormInFront)
{
    PracticeForm* form = open(3);
    QTest::keyClick(form, Qt::Key_F6);
    EXPECT_EQ(form->built, 2);
    host.showForm(&setup);
    QTest::keyClick(&setup, Qt::Key_F3);
    EXPECT_FALSE(form->evaluated());
    host.showForm(form);
    QTest::keyClick(form, Qt::Key_F3);
    EXPECT_TRUE(form->evaluated());
    QTest::keyClick(form, Qt::Key_F6); // no new example after the check
    EXPECT_EQ(form->built, 2);
    QTest::keyClick(form, Qt::Key_F4);
    EXPECT_FALSE(form->evaluated());
    EXPECT_EQ(form->built, 3);
    EXPECT_EQ(form->series().examplesLeft(), 2);
}

// Escape on the last example asks in a real box; the keys pressed under it
// act on nothing beneath it, and the form outlives its question.
TEST_F(TaskFrameTest, NoFrameKeyActsUnderAnOpenQuestion)
{
    for (MessageAnswer reply : {MessageAnswer::No, MessageAnswer::Yes}) {
        SCOPED_TRACE(reply == MessageAnswer::Yes ? "yes" : "no");
        AskingServices asking;
        asking.reply = reply;
        PracticeForm* form = open(3, 1, &asking);
        form->verdicts = {false};
        for (int k = 1; k <= 2; ++k) {
            QTest::keyClick(form, Qt::Key_F3);
            QTest::keyClick(form, Qt::Key_F4);
        }
        QTest::keyClick(form, Qt::Key_F3);
        asking.whileOpen = [](QMessageBox& box) {
            for (Qt::Key key : {Qt::Key_F4, Qt::Key_F3, Qt::Key_F6, Qt::Key_F9, Qt::Key_F4})
                QTest::keyClick(&box, key);
        };
        QTest::keyClick(form, Qt::Key_Escape);
        ASSERT_EQ(asking.messages.size(), 1);
        EXPECT_TRUE(results.finished.empty());
        EXPECT_EQ(form->series().wrong(), 3);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (reply == MessageAnswer::Yes) {
            EXPECT_FALSE(alive);
            EXPECT_EQ(host.currentForm(), &setup);
            continue;
        }
        ASSERT_TRUE(alive);
        EXPECT_EQ(form->built, 3);
        EXPECT_EQ(focus(), form->continueButton());
        QTest::keyClick(form, Qt::Key_F4);
        ASSERT_EQ(results.finished.size(), 1);
        EXPECT_EQ(results.finished.front().wrong, 3);
        results.finished.clear();
    }
}

// Help, the ranking, and a question answered No: on every return the pupil's
// control has the focus again, framed.
TEST_F(TaskFrameTest, TheFocusComesBackToTheControlThePupilLeft)
{
    PracticeForm* form = open(3);
    ASSERT_EQ(focus(), form->entry);
    QTest::keyClick(form->entry, Qt::Key_F1);
    auto* help = qobject_cast<FrmIntro*>(host.currentForm());
    ASSERT_TRUE(help);
    QTest::keyClick(help, Qt::Key_A);
    EXPECT_EQ(host.currentForm(), form);
    EXPECT_EQ(focus(), form->entry);
    EXPECT_EQ(form->framedControl(), form->entry);

    form->topButton(3)->setFocus();
    QTest::keyClick(form->topButton(3), Qt::Key_Space);
    EXPECT_EQ(results.rankings, 1);
    host.showForm(&setup); // the ranking stands in front meanwhile
    host.showForm(form);
    EXPECT_EQ(focus(), form->topButton(3));

    QTest::keyClick(form, Qt::Key_F3);
    services.answer = MessageAnswer::No;
    form->entry->setFocus();
    QTest::keyClick(form->entry, Qt::Key_Escape);
    EXPECT_EQ(services.messages.size(), 1);
    EXPECT_EQ(focus(), form->entry);
    EXPECT_EQ(form->framedControl(), form->entry);
}

// A series whose next example cannot be made ends there: the form goes
// back without asking, and the judged example cannot be counted again.
TEST_F(TaskFrameTest, AnExampleThatCannotBeMadeEndsTheSeriesWithoutAQuestion)
{
    PracticeForm* form = open(3);
    services.answer = MessageAnswer::No;
    QTest::keyClick(form, Qt::Key_F3);
    form->generationFails = true;
    QTest::keyClick(form, Qt::Key_F4);
    EXPECT_TRUE(services.messages.isEmpty());
    EXPECT_EQ(host.currentForm(), &setup);
    QTest::keyClick(form, Qt::Key_F3);
    EXPECT_EQ(form->series().answered(), 1);
    EXPECT_TRUE(results.finished.empty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(alive);
}

TEST_F(TaskFrameTest, BackAsksOnlyWhenAnsweredExamplesWouldBeLost)
{
    PracticeForm* form = open(5);
    QTest::mouseClick(form->topButton(4), Qt::LeftButton);
    EXPECT_TRUE(services.messages.isEmpty());
    EXPECT_EQ(host.currentForm(), &setup);

    form = open(5);
    QTest::mouseClick(form->topButton(1), Qt::LeftButton);
    services.answer = MessageAnswer::No;
    QTest::mouseClick(form->topButton(4), Qt::LeftButton);
    ASSERT_EQ(services.messages.size(), 1);
    EXPECT_TRUE(services.messages.front().startsWith(QStringLiteral("Späť: Naozaj")));
    // A stray Enter must not throw the series away.
    EXPECT_EQ(services.messageButtons.front(), MessageButtons::YesNoDefaultNo);
    EXPECT_EQ(host.currentForm(), form);
    services.answer = MessageAnswer::Yes;
    QTest::mouseClick(form->topButton(4), Qt::LeftButton);
    EXPECT_EQ(host.currentForm(), &setup);
    EXPECT_TRUE(results.finished.empty());
}

// The ranking's back button stands where the task form's does: the second
// click of a double click on it reaches the task form as a double click.
TEST_F(TaskFrameTest, TheSecondClickOfADoubleClickOnTheScreenBeforeIsIgnored)
{
    PracticeForm* form = open(5);
    QTest::mouseClick(form->topButton(3), Qt::LeftButton);
    EXPECT_EQ(results.rankings, 1);
    EXPECT_FALSE(form->isVisible());
    host.showForm(form); // the ranking's back button
    QTest::keyClick(form, Qt::Key_F3);
    const QPoint at = form->topButton(4)->rect().center();
    send(form->topButton(4), QEvent::MouseButtonDblClick, at, Qt::LeftButton);
    send(form->topButton(4), QEvent::MouseButtonRelease, at);
    EXPECT_TRUE(services.messages.isEmpty());
    EXPECT_EQ(host.currentForm(), form);
    // A pupil's own double click on the form still counts as clicks.
    send(form->topButton(4), QEvent::MouseButtonPress, at, Qt::LeftButton);
    send(form->topButton(4), QEvent::MouseButtonRelease, at);
    EXPECT_EQ(services.messages.size(), 1);
}

TEST_F(TaskFrameTest, TheTitleHelpOpensInEveryStateButABusyOne)
{
    for (bool checked : {false, true}) {
        SCOPED_TRACE(checked);
        PracticeForm* form = open(3);
        if (checked)
            QTest::keyClick(form, Qt::Key_F3);
        form->dragging = true;
        send(form, QEvent::MouseButtonPress, {40, 30}, Qt::LeftButton);
        EXPECT_EQ(host.currentForm(), form);
        form->dragging = false;
        send(form, QEvent::MouseButtonPress, {40, 30}, Qt::LeftButton);
        EXPECT_NE(host.currentForm(), form);
        EXPECT_FALSE(form->isVisible());
        host.unloadForm(form);
    }
}

TEST_F(TaskFrameTest, HoverSoundsOncePerItemEnteredAndThePointerChangesOnTheMove)
{
    PracticeForm* form = open(3);
    services.resetSounds();
    for (int x : {30, 60, 90})
        send(form->row, QEvent::MouseMove, {x, 10});
    EXPECT_EQ(services.played(Sound::Enter), 1);
    send(form, QEvent::MouseMove, {40, 30});
    EXPECT_EQ(host.pointer().shape(), services.resources().helpCursor().shape());
    EXPECT_EQ(services.played(Sound::Enter), 2);
    send(form, QEvent::MouseMove, {260, 300});
    EXPECT_EQ(host.pointer().shape(), services.resources().arrowCursor().shape());
    send(form->topButton(1), QEvent::MouseMove, {10, 10});
    EXPECT_EQ(host.pointer().shape(), services.resources().handCursor().shape());
    EXPECT_EQ(form->topButton(1)->look(), PictureButton::Look::Highlighted);

    // A jump rather than a move: from the title straight onto the label,
    // whose moves the form receives; from "Vyhodnoť" straight to continue.
    send(form, QEvent::MouseMove, {40, 30});
    send(form, QEvent::MouseMove, form->row->geometry().center());
    EXPECT_EQ(host.pointer().shape(), services.resources().arrowCursor().shape());
    send(form->topButton(1), QEvent::MouseMove, {10, 10});
    QTest::keyClick(form, Qt::Key_F3);
    EXPECT_EQ(form->topButton(1)->look(), PictureButton::Look::Normal);
    QTest::keyClick(form, Qt::Key_F4);
    EXPECT_EQ(form->topButton(1)->look(), PictureButton::Look::Normal);
}

TEST_F(TaskFrameTest, AHintLeavesContinueAndTheMarksFreeAndAClickOrEscapeClosesIt)
{
    PracticeForm* form = open(3, 2);
    form->verdicts = {false, false};
    QTest::keyClick(form, Qt::Key_F3);
    form->hintAt = Layout::kCalcContinue.topLeft() - QPoint(20, 10);
    QTest::mouseClick(form->mark(1), Qt::LeftButton);
    HintWindow* hint = form->hintWindow();
    ASSERT_TRUE(hint);
    ASSERT_TRUE(hint->isVisible());
    EXPECT_FALSE(hint->geometry().intersects(form->continueButton()->geometry()));
    EXPECT_TRUE(QRect(0, 0, 640, 480).contains(hint->geometry()));
    QTest::mouseClick(hint, Qt::LeftButton);
    EXPECT_FALSE(hint->isVisible());

    // Asked for over the marks, it moves off them.
    form->hintAt = form->mark(1)->pos() - QPoint(20, 10);
    QTest::mouseClick(form->mark(2), Qt::LeftButton);
    ASSERT_TRUE(hint->isVisible());
    for (int item : {1, 2})
        EXPECT_FALSE(hint->geometry().intersects(form->mark(item)->geometry())) << item;
    QTest::keyClick(form, Qt::Key_Escape);
    EXPECT_FALSE(hint->isVisible());
}
